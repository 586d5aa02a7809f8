// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_error.h"

#include <QCoreApplication>

namespace pabrel::records {

Q_LOGGING_CATEGORY(recordsLog, "pabrel.records", QtInfoMsg)

namespace {
// The messages are written in Japanese, the program's source language, and given in the
// language in use.
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(pabrel::records::RecordError)
};

QString reason(RecordError::Kind kind)
{
    switch (kind) {
    case RecordError::Kind::Missing:
        return Messages::tr("記録のファイルがまだありません。");
    case RecordError::Kind::NotRecords:
        return Messages::tr("記録のファイルが壊れているか、Pabrel の記録ではありません。");
    case RecordError::Kind::Newer:
        return Messages::tr("記録のファイルは新しい版の Pabrel で書かれていて、"
                            "この版では読み書きできません。");
    case RecordError::Kind::NotWritable:
        return Messages::tr("記録のファイルに書き込めません。フォルダーかファイルに書き込む"
                            "権限がないか、ディスクがいっぱいです。");
    case RecordError::Kind::NoDriver:
        return Messages::tr("記録に使う Qt の SQLite ドライバー（libqt6sql6-sqlite）が"
                            "入っていません。");
    case RecordError::Kind::Locked:
        return Messages::tr("記録のファイルがほかのプログラムに使われたままで、"
                            "書き込めません。");
    }
    return {};
}
} // namespace

QString RecordError::message() const
{
    QString text = reason(kind);
    if (kind != Kind::Missing) {
        text = Messages::tr("%1ファイルはそのまま残し、今回は記録しません。").arg(text);
    }
    return text + QStringLiteral("\n\n%1").arg(file);
}

} // namespace pabrel::records
