#pragma once

#include <QString>

// This PC's IPv4 address: the configured override when set, else the last address the
// resolver lists for the host name; empty on failure (after a message).
QString gfGET_LOCAL_IP();
