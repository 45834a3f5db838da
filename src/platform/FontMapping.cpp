// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontMapping.h"

#include <QString>

namespace {

QString familyFor(const std::string& name) {
    const QString requested = QString::fromStdString(name);
    if (requested.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (requested.compare(QLatin1String("Small Fonts"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans Condensed");
    return requested;
}

} // namespace

QFont toQFont(const Font& font) {
    QFont result(familyFor(font.name));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setStyleHint(QFont::SansSerif);
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}
