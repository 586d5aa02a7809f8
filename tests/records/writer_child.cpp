// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Adds rounds to the records file named by its first argument, as many as the second says
// or until it is killed, and prints each round's number once it is committed.

#include "record_files.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: records_writer_child FILE ROUNDS\n");
        return 2;
    }
    pabrel::records::RecordStore store(arguments[1]);
    if (const auto failure = store.open(pabrel::records::RecordStore::Opening::CreateIfMissing)) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(failure->line(pabrel::records::RecordError::Use::Recording)));
        return 1;
    }
    const int rounds = arguments[2].toInt();
    for (int n = 1; n <= rounds; ++n) {
        if (const auto failure = store.add(pabrel::testing::sampleRound(n))) {
            std::fprintf(
                stderr, "%s %s\n",
                qUtf8Printable(failure->line(pabrel::records::RecordError::Use::Recording)),
                qUtf8Printable(failure->detail));
            return 1;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    return 0;
}
