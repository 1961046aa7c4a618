// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/metafile_reader.h"

#include "skin/emf_player.h"
#include "skin/picture_limits.h"
#include "skin/wmf_player.h"
#include "skin/work_budget.h"

#include <QPainter>

#include <new>

namespace stocks {
namespace {

// libUEMF's getters read a few bytes past a short last record before they reject it; the
// zeros keep those reads inside the buffer.
constexpr qsizetype readPadding = 64;

} // namespace

Metafile::Metafile(QByteArray bytes, std::variant<EmfLayout, WmfLayout> layout)
    : bytes_(std::move(bytes)), layout_(std::move(layout))
{}

Metafile Metafile::fromBytes(const QByteArray& bytes)
{
    QByteArray padded = bytes;
    padded.append(readPadding, '\0');
    const ByteView content(padded.constData(), static_cast<std::size_t>(bytes.size()));
    if (looksLikeEmf(content))
        return Metafile(padded, readEmfLayout(content));
    if (looksLikeWmf(content))
        return Metafile(padded, readWmfLayout(content));
    throwInvalidMetafile();
}

ByteView Metafile::view() const
{
    return ByteView(bytes_.constData(), static_cast<std::size_t>(bytes_.size() - readPadding));
}

QSize Metafile::size() const
{
    return std::visit([](const auto& layout) { return layout.size; }, layout_);
}

void Metafile::paint(QPainter& painter) const
{
    WorkBudget budget(metafileDrawingWork);
    if (const auto* emf = std::get_if<EmfLayout>(&layout_))
        playEmf(*emf, view(), painter, budget);
    else
        playWmf(std::get<WmfLayout>(layout_), view(), painter, budget);
}

QImage Metafile::toImage(QSize visibleArea) const
{
    const QSize shown = size().boundedTo(visibleArea);
    if (shown.isEmpty())
        return {};
    QImage image(shown, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace stocks
