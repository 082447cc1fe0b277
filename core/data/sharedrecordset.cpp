#include "core/data/sharedrecordset.h"

bool SharedRecordset::open(Recordset rs) {
    if (m_open)
        return false;
    m_rs = std::move(rs);
    m_rs.moveFirst();
    m_open = true;
    return true;
}

void SharedRecordset::close() {
    m_open = false;
    m_rs = Recordset();
}
