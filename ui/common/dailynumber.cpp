#include "ui/common/dailynumber.h"

#include <algorithm>

namespace DailyNumber {

Check check(const QString& number, const QString& yyyymmdd) {
    const auto digits = [](QStringView s) {
        return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (yyyymmdd.size() != 8 || number.size() != 11 || !number.startsWith(yyyymmdd) ||
        !digits(number))
        return Check::Invalid;
    return number.endsWith(QLatin1String("000")) ? Check::Exhausted : Check::Usable;
}

} // namespace DailyNumber
