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
        return Messages::tr("記録ファイルがまだありません。");
    case RecordError::Kind::NotRecords:
        return Messages::tr("記録ファイルが壊れているか、Pabrel の記録ファイルではありません。");
    case RecordError::Kind::Newer:
        return Messages::tr("記録ファイルは新しいバージョンの Pabrel で書かれていて、"
                            "このバージョンでは読み書きできません。");
    case RecordError::Kind::NotWritable:
        return Messages::tr("記録ファイルに書き込めません。フォルダーかファイルに書き込む"
                            "権限がないか、ディスクがいっぱいになっている可能性があります。");
    case RecordError::Kind::NoDriver:
        return Messages::tr("記録に使う Qt の SQLite ドライバー（libqt6sql6-sqlite）が"
                            "入っていません。");
    case RecordError::Kind::Locked:
        return Messages::tr("ほかのプログラムが記録ファイルを使用中のため、書き込めません。");
    }
    return {};
}
} // namespace

QString RecordError::sentences(Use use) const
{
    const QString why = reason(kind);
    if (kind == Kind::Missing) {
        return why;
    }
    return use == Use::Reading
               ? Messages::tr("%1ファイルには手を加えていません。").arg(why)
               : Messages::tr("%1ファイルには手を加えず、Pabrel を起動し直すまで記録しません。")
                     .arg(why);
}

QString RecordError::message(Use use) const
{
    return sentences(use) + QStringLiteral("\n\n%1").arg(file);
}

QString RecordError::line(Use use) const
{
    return QStringLiteral("%1 (%2)").arg(sentences(use), file);
}

} // namespace pabrel::records
