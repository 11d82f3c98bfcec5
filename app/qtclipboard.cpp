#include "qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString QtClipboard::mimeType()
{
    return QStringLiteral("application/x-zenodyne-circuit-objects");
}

bool QtClipboard::hasCircuitObjects() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(mimeType());
}

std::vector<std::uint8_t> QtClipboard::circuitObjects() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    const QByteArray bytes = data->data(mimeType());
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtClipboard::setCircuitObjects(std::span<const std::uint8_t> block)
{
    auto *data = new QMimeData;
    data->setData(mimeType(), QByteArray(reinterpret_cast<const char *>(block.data()),
                                         static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}
