// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pabrel::testing {

// A Unix socket listening at `path`, in place of whatever was there; -1 if none can be, as
// when the path is too long for a socket's address (107 bytes), which a deep build tree can
// be: keep sockets in a short temporary folder. `type` may add SOCK_NONBLOCK.
inline int listenAt(const QByteArray& path, int type = 0)
{
    sockaddr_un address{};
    if (std::size_t(path.size()) >= sizeof(address.sun_path)) {
        return -1;
    }
    ::unlink(path.constData());
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | type, 0);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(listener, 8) != 0) {
        ::close(listener);
        return -1;
    }
    return listener;
}

} // namespace pabrel::testing
