// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One-line fields hold one line of printable text, however it comes in:
// typed, pasted, dropped or set. A pasted "12\t0" or "602\n35" would
// otherwise sit in the field whole, shown as one number and read as another.

#include <QLineEdit>
#include <QValidator>

#include "toolbox/widgets.h"

namespace {

bool EndsLine(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x0B || u == 0x0C || u == 0x85 || u == 0x2028 ||
           u == 0x2029;
}

// The characters that steer the direction of the text around them: a number
// typed after U+202E shows its digits reversed, so what the field shows and
// what it reads would part.
bool SteersDirection(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

// The first line of `text`, a tab as a space (two pasted cells stay apart as
// two words, not one number), every other control character left out.
QString FirstLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (QChar c : text) {
        if (EndsLine(c))
            break;
        if (c == QLatin1Char('\t'))
            line += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Control && !SteersDirection(c))
            line += c;
    }
    return line;
}

bool IsClean(const QString &text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || SteersDirection(c) || EndsLine(c))
            return false;
    return true;
}

// Qt's line edit hands every change of its text to its validator, which may
// change it. The validator keeps the text it passed last, so that it can tell
// what a change put in (the part between what stayed before and after it) and
// keep the first line of that part alone, with the rest of the field as it was.
class OneLine : public QValidator {
  public:
    explicit OneLine(QLineEdit *edit) : QValidator(edit), last_(edit->text()) {}

    State validate(QString &text, int &pos) const override
    {
        if (!IsClean(text)) {
            const int n = (int)text.size(), m = (int)last_.size();
            int before = 0;
            while (before < n && before < m && text[before] == last_[before])
                before++;
            int after = 0;
            while (after < n - before && after < m - before &&
                   text[n - 1 - after] == last_[m - 1 - after])
                after++;
            const QString put = FirstLine(text.mid(before, n - before - after));
            text = text.left(before) + put + text.right(after);
            pos = before + (int)put.size();
            // A field that was not clean before (never so, but cheap to be
            // sure of) is cleaned whole.
            if (!IsClean(text)) {
                text = FirstLine(text);
                pos = (int)text.size();
            }
        }
        last_ = text;
        return Acceptable;
    }

  private:
    mutable QString last_;
};

} // namespace

void tbx::KeepOneLine(QLineEdit *edit)
{
    edit->setValidator(new OneLine(edit));
}
