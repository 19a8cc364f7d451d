#include "app/backgroundarea.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>

namespace qv {

BackgroundArea::BackgroundArea(QWidget *parent) : QMdiArea(parent), picture_(builtInPicture())
{
    refit();
}

QPixmap BackgroundArea::builtInPicture()
{
    QPixmap pm(1280, 800);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pm.height());
    g.setColorAt(0, QColor(0xdc, 0xea, 0xf7));
    g.setColorAt(1, QColor(0xf7, 0xfa, 0xfd));
    p.fillRect(pm.rect(), g);
    // A few soft shelves and crates, the picture of a small trading shop.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0xb8, 0xd6, 70));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(760, 260 + i * 130, 420, 16), 6, 6);
    const QColor crates[] = {QColor(0xe8, 0xa8, 0x4a, 90), QColor(0x5d, 0xa8, 0x6e, 90), QColor(0x4f, 0x86, 0xc6, 90)};
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 4 - row % 2; ++i) {
            p.setBrush(crates[(row + i) % 3]);
            p.drawRoundedRect(QRectF(790 + i * 95 + (row % 2) * 45, 185 + row * 130, 80, 72), 8, 8);
        }
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x2f, 0x5d, 0x8a, 200));
    p.drawText(QRect(90, 250, 700, 100), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Qorvan进销存软件"));
    QFont sub(QStringLiteral("Noto Sans CJK SC"));
    sub.setPixelSize(28);
    p.setFont(sub);
    p.setPen(QColor(0x45, 0x6e, 0x96, 190));
    p.drawText(QRect(94, 350, 700, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("采购 · 销售 · 库存 · 往来账"));
    return pm;
}

void BackgroundArea::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    refit();
}

bool BackgroundArea::loadPicture(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    QImageReader reader(path);
    const QImage img = reader.read();
    if (img.isNull())
        return false;
    setPicture(QPixmap::fromImage(img));
    return true;
}

void BackgroundArea::resizeEvent(QResizeEvent *event)
{
    QMdiArea::resizeEvent(event);
    refit();
}

void BackgroundArea::refit()
{
    const QSize size = viewport()->size().expandedTo(QSize(1, 1));
    setBackground(QBrush(picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

} // namespace qv
