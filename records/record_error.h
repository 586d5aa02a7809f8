// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QString>

namespace pabrel::records {

// Why recording is off, and what SQLite said: QT_LOGGING_RULES="pabrel.records.debug=true".
Q_DECLARE_LOGGING_CATEGORY(recordsLog)

// Why the records could not be read or written. The file is never touched further.
struct RecordError
{
    enum class Kind
    {
        // There is no records file (only when reading).
        Missing,
        // Not an SQLite file, damaged, or some other program's database.
        NotRecords,
        // Written by a later Pabrel, with a schema this one does not know.
        Newer,
        // The folder or the file cannot be written, or the disk is full.
        NotWritable,
        // Another program held the file locked for too long.
        Locked,
        // Qt's SQLite driver is not installed.
        NoDriver,
    };

    Kind kind = Kind::NotRecords;
    QString file;
    // What SQLite or the system said, for the curious.
    QString detail;

    // Whether the failure stopped the game's recording, or only a reading of the records: the
    // message then says what became of the file and of the rounds still to be played.
    enum class Use
    {
        Reading,
        Recording,
    };

    // For a message box: one sentence or two for the player, in the language in use, then
    // the file's name on a line of its own.
    QString message(Use use) const;
    // For the terminal: the same on one line.
    QString line(Use use) const;

private:
    QString sentences(Use use) const;
};

} // namespace pabrel::records
