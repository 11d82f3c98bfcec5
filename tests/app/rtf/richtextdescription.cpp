#include "richtextdescription.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

QString describeAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

QString describeFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    QStringList parts;
    if (font.bold())
        parts << QStringLiteral("b");
    if (font.italic())
        parts << QStringLiteral("i");
    if (font.underline())
        parts << QStringLiteral("u");
    parts << font.family() << QString::number(font.pointSizeF());
    const bool coloured = format.hasProperty(QTextFormat::ForegroundBrush)
                          && format.foreground().style() != Qt::NoBrush;
    parts << (coloured ? format.foreground().color().name() : QStringLiteral("auto"));
    return QLatin1Char('[') + parts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

} // namespace

QString describeRichText(const QTextDocument &document)
{
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        out += describeAlignment(block.blockFormat().alignment()) + QLatin1Char(':');
        if (block.length() == 1)
            out += describeFormat(block.charFormat(), document.defaultFont());
        QString previous;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString format
                = describeFormat(fragment.fragment().charFormat(), document.defaultFont());
            if (format != previous)
                out += format;
            previous = format;
            out += fragment.fragment().text();
        }
        out += QLatin1Char('\n');
    }
    return out;
}
