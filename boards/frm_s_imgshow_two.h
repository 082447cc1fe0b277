#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;
class QTimer;

// The picture board of a display PC beside a machine: every 10 s it shows the picture of the
// product the machine assigned to this PC is running, or the fallback picture when there is
// none. It never hands over to another board.
class frm_S_ImgSHow_Two : public QWidget {
    Q_OBJECT
public:
    explicit frm_S_ImgSHow_Two(QWidget* parent = nullptr);
    ~frm_S_ImgSHow_Two() override;

    // A new board (deleted when closed), shown at its place: 20,500 twips from the left on
    // the display PC's second screen, moved onto the desktop when that lies outside it.
    static frm_S_ImgSHow_Two* open();

    // Finds the running product and loads its picture.
    void lsQuery();
    // One tick of the 100 ms refresh cycle (public so a test can drive it).
    void Timer1_Timer();

    static QString caption() { return QStringLiteral("이미지 로더 2"); }
    // The folder of the product pictures: this PC's administrative share on Windows, the
    // configured folder elsewhere (the program's img/ folder when none is configured).
    static QString pictureFolder(const QString& ip);
    // The picture file of a part number; empty when the part number cannot name a file in
    // the folder (a path separator or a relative step).
    static QString pictureFile(const QString& folder, const QString& partNumber);
    static QString fallbackFile();
    // The file last loaded into the picture box; empty before the first refresh.
    QString shownFile() const { return m_shownFile; }

    QGroupBox* fraImage;
    QLabel* imgProduct;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool runningPart(const QString& ip, QString* partNumber, bool* failed);
    bool loadPicture(const QString& file);
    void refreshFailed();
    void scalePicture();

    QPixmap m_picture;
    QString m_shownFile;
};
