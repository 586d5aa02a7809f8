// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_error.h"

namespace pabrel::records {

Q_LOGGING_CATEGORY(recordsLog, "pabrel.records", QtInfoMsg)

namespace {
QString reason(RecordError::Kind kind)
{
    switch (kind) {
    case RecordError::Kind::Missing:
        return QStringLiteral("記録のファイルがまだありません。");
    case RecordError::Kind::NotRecords:
        return QStringLiteral("記録のファイルが壊れているか、Pabrel の記録ではありません。");
    case RecordError::Kind::Newer:
        return QStringLiteral("記録のファイルは新しい版の Pabrel で書かれていて、"
                              "この版では読み書きできません。");
    case RecordError::Kind::NotWritable:
        return QStringLiteral("記録のファイルに書き込めません。フォルダーかファイルに書き込む"
                              "権限がないか、ディスクがいっぱいです。");
    case RecordError::Kind::NoDriver:
        return QStringLiteral("記録に使う Qt の SQLite ドライバー（libqt6sql6-sqlite）が"
                              "入っていません。");
    case RecordError::Kind::Locked:
        return QStringLiteral("記録のファイルがほかのプログラムに使われたままで、"
                              "書き込めません。");
    }
    return {};
}
} // namespace

QString RecordError::message() const
{
    QString text = reason(kind);
    if (kind != Kind::Missing) {
        text += QStringLiteral("ファイルはそのまま残し、今回は記録しません。");
    }
    return text + QStringLiteral("\n\n%1").arg(file);
}

} // namespace pabrel::records
