// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#include "modules/conics/conicsdescription.h"

#include "canvas/graphdescription.h"
#include "modules/conics/circles.h"
#include "modules/conics/parabolas.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace conics {

namespace {

// Each window's own rows and intersections, on a copy of the store.
template <typename StoreFigure, typename Intersections>
QString figuresInWords(FigureStore store, StoreFigure storeFigure, Intersections intersections)
{
    QStringList parts;
    for (const FigureNumber k : {FigureNumber::First, FigureNumber::Second}) {
        if (store[k].kind == FigureKind::None)
            continue;
        const std::optional<FigureRows> rows = storeFigure(store, k, store[k]);
        if (!rows)
            continue;
        const QString shown = QStringList{rows->prescription.value_or(QString()),
                                          oneLineInWords(rows->details.value_or(QString()))}
                                  .join(u", "_s);
        //: A stored figure: %1 is its number, 1 or 2, %2 its rows as the window's list shows them.
        parts.append(QCoreApplication::translate("GraphDescription", "f%1: %2")
                         .arg(QString::number(int(k) + 1), shown));
    }
    if (const std::optional<QString> text = intersections(store); text && !text->isEmpty())
        parts.append(QCoreApplication::translate("GraphDescription", "intersection: %1")
                         .arg(oneLineInWords(*text)));
    return parts.isEmpty() ? QCoreApplication::translate("GraphDescription", "no figures stored")
                           : parts.join(u"; "_s);
}

} // namespace

QString parabolas::graphInWords(const FigureStore &store)
{
    return figuresInWords(store, parabolas::storeFigure, parabolas::intersectionText);
}

QString circles::graphInWords(const FigureStore &store)
{
    return figuresInWords(store, circles::storeFigure, circles::intersectionText);
}

} // namespace conics
