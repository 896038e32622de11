#pragma once

#include <QByteArray>
#include <QString>

// Replaces the small file at path with data in one step: a reader sees the old file or the new
// one, never a part. Every write is checked before the swap (a full disk), so on any failure the
// old file stays as it was and error says why.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);
