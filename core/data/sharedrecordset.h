#pragma once

#include "core/data/recordset.h"

// The one shared result slot of the program. It is either closed or holds one open
// result; opening it while it is open fails, so a caller that got an open result must
// close it before anyone reads again.
class SharedRecordset {
public:
    bool isOpen() const { return m_open; }
    // False (and the slot unchanged) when it is already open.
    bool open(Recordset rs);
    void close();

    Recordset& operator*() { return m_rs; }
    Recordset* operator->() { return &m_rs; }
    const Recordset* operator->() const { return &m_rs; }

private:
    Recordset m_rs;
    bool m_open = false;
};
