// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// String lists: the texts that the program's own code shows (notes, words of
// a sheet), kept with the other definitions so that they can be translated.

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTextStream>

#include "toolbox/qt.h"
#include "toolbox/toolbox.h"

namespace {

// Every list of resources/strings.txt by ID, read once.
const QHash<int, QStringList> &Lists()
{
    static const QHash<int, QStringList> lists = [] {
        QHash<int, QStringList> all;
        tbx::InitResources();
        QFile f(QStringLiteral(":/strings/strings.txt"));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            return all;
        QTextStream in(&f);
        QStringList *current = nullptr;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(QLatin1Char('#')) || line.isEmpty())
                continue;
            if (line.startsWith(QLatin1String("strings "))) {
                current = &all[line.mid(8).section(QLatin1Char(' '), 0, 0).toInt()];
                continue;
            }
            if (current)
                current->append(line);
        }
        return all;
    }();
    return lists;
}

} // namespace

void GetIndString(Str255 theString, SInt16 strListID, SInt16 index)
{
    theString[0] = 0;
    const auto it = Lists().constFind(strListID);
    if (it == Lists().constEnd() || index < 1 || index > it->size())
        return;
    // The list's ID is the translation context: the same English text may be
    // said differently in two places.
    const QByteArray context = "strings " + QByteArray::number(strListID);
    const QByteArray source = it->at(index - 1).toUtf8();
    tbx::QString2Pas(QCoreApplication::translate(context.constData(), source.constData()),
                     theString);
}
