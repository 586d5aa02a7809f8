// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace pabrel::testing {

// A Unix socket listening at `path`, in place of whatever was there; -1 if none can be.
// `type` may add SOCK_NONBLOCK.
inline int listenAt(const QByteArray& path, int type = 0)
{
    ::unlink(path.constData());
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | type, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(listener, 8) != 0) {
        ::close(listener);
        return -1;
    }
    return listener;
}

} // namespace pabrel::testing
