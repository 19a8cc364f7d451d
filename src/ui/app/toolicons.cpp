#include "app/toolicons.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace qv {

namespace {

struct Look {
    QChar glyph;
    QColor colour;
};

const QHash<QString, Look> &looks()
{
    const QColor purchase(0x3a, 0x78, 0xc2), sales(0x2e, 0x9a, 0x5a), goods(0xd9, 0x84, 0x2b),
        accounts(0x8a, 0x55, 0xb5), report(0x1f, 0x94, 0x9a), help(0x6d, 0x7a, 0x86), leave(0xc6, 0x3d, 0x3d);
    static const QHash<QString, Look> table{
        {QStringLiteral("N6"), {u'进', purchase}},  {QStringLiteral("N38"), {u'退', purchase}},
        {QStringLiteral("N26"), {u'销', sales}},    {QStringLiteral("N43"), {u'返', sales}},
        {QStringLiteral("N28"), {u'品', goods}},    {QStringLiteral("N25"), {u'调', goods}},
        {QStringLiteral("N45"), {u'损', goods}},    {QStringLiteral("N62"), {u'溢', goods}},
        {QStringLiteral("N59"), {u'拆', goods}},    {QStringLiteral("N22"), {u'收', accounts}},
        {QStringLiteral("N23"), {u'付', accounts}}, {QStringLiteral("Q1"), {u'库', report}},
        {QStringLiteral("H2"), {u'?', help}},       {QStringLiteral("N8"), {u'出', leave}},
    };
    return table;
}

} // namespace

namespace {

QIcon tileIcon(const Look &look)
{
    QIcon icon;
    for (int size : {32, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(look.colour);
        const qreal m = size * 0.06;
        p.drawRoundedRect(QRectF(m, m, size - 2 * m, size - 2 * m), size * 0.2, size * 0.2);
        QFont f(QStringLiteral("Noto Sans CJK SC"));
        f.setPixelSize(int(size * 0.58));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString(look.glyph));
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

QIcon toolIcon(const QString &item)
{
    return tileIcon(looks().value(item, Look{u'·', QColor(Qt::gray)}));
}

QIcon appIcon()
{
    return tileIcon(Look{u'Q', QColor(0x2f, 0x6d, 0xb5)});
}

} // namespace qv
