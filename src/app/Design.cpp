#include "app/Design.h"
#include "ui/TegnetIkon.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleFactory>
#include <algorithm>

namespace kv {

namespace {

struct Farver {
    const char16_t* navn;
    QRgb vindue, knap, base, alternativ, markering, tekst;
};

// Window, button, base, alternate base, highlight and text colour of each style.
const Farver designs[] = {
    {u"Aqua Light Slate", 0xe6ebf0, 0xd5dde6, 0xffffff, 0xf0f4f8, 0x4a7ba6, 0x1c2833},
    {u"Iceberg Classico", 0xe9f1f5, 0xd3e3ec, 0xffffff, 0xf1f7fa, 0x3d8eb9, 0x17252d},
    {u"Lavender Classico", 0xeeeaf4, 0xdcd5e8, 0xffffff, 0xf5f2f9, 0x7b68a6, 0x261f33},
    {u"Sky", 0xe4effa, 0xcfe2f5, 0xffffff, 0xeef5fc, 0x2f7bc8, 0x14263a},
    {u"Smokey Quartz Kamri", 0xe8e4e1, 0xd6cfca, 0xfbfaf9, 0xf2efed, 0x8a6f5e, 0x2b2320},
};

QPalette palet(const Farver& f)
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(f.vindue));
    p.setColor(QPalette::Button, QColor(f.knap));
    p.setColor(QPalette::Base, QColor(f.base));
    p.setColor(QPalette::AlternateBase, QColor(f.alternativ));
    p.setColor(QPalette::Highlight, QColor(f.markering));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(rolle, QColor(f.tekst));
    p.setColor(QPalette::ToolTipBase, QColor(0xffffe1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, QColor(0x8a8f94));
    return p;
}

// Fusion takes a toolbar's extension arrow and a group box's frame from
// picture files, and reading the first one loads every image plugin there is:
// a tenth of the start. Ours are drawn, as the other pictures of the program are.
class TegnedeDele : public QProxyStyle {
public:
    explicit TegnedeDele(QStyle* stil) : QProxyStyle(stil), m_fusion(stil->name().compare(u"fusion", Qt::CaseInsensitive) == 0)
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* valg, QPainter* p, const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox || !m_fusion) {
            QProxyStyle::drawPrimitive(element, valg, p, widget);
            return;
        }
        // Where Fusion puts its frame: below the title, or just below the top without one.
        constexpr int luft = 3;
        const auto* boks = qobject_cast<const QGroupBox*>(widget);
        const int top = boks && !boks->isCheckable() && boks->title().isEmpty()
                            ? luft
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), valg->fontMetrics.height()) + luft;
        const QRectF ramme = QRectF(valg->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(valg->palette.color(QPalette::Window).darker(125));
        p->setBrush(QColor(255, 255, 255, 40));
        p->drawRoundedRect(ramme, 2, 2);
        p->restore();
    }

    QIcon standardIcon(StandardPixmap billede, const QStyleOption* valg, const QWidget* widget) const override
    {
        if (billede == SP_ToolBarHorizontalExtensionButton || billede == SP_ToolBarVerticalExtensionButton) {
            const bool vandret = billede == SP_ToolBarHorizontalExtensionButton;
            const bool hoejreMod = (valg ? valg->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
            QIcon& pil = m_pile[vandret ? (hoejreMod ? 1 : 0) : 2];
            // In the design's text colour, which the stored picture's name carries.
            const QColor farve = QApplication::palette().color(QPalette::ButtonText);
            if (pil.isNull())
                pil = tegnetIkon(u"dobbeltpil%1%2-%3"_qs.arg(int(vandret)).arg(int(hoejreMod))
                                     .arg(farve.name(QColor::HexArgb)),
                                 [vandret, hoejreMod, farve](QPainter& p, const QRectF& r) {
                                     tegnDobbeltpil(p, r, vandret, hoejreMod, farve);
                                 });
            return pil;
        }
        return QProxyStyle::standardIcon(billede, valg, widget);
    }

private:
    // Two chevrons pointing on along the toolbar: », « or downwards.
    static void tegnDobbeltpil(QPainter& p, const QRectF& r, bool vandret, bool hoejreMod, const QColor& farve)
    {
        const qreal s = std::min(r.width(), r.height());
        p.setPen(QPen(farve, std::max(1.0, s / 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.translate(r.center());
        if (!vandret)
            p.rotate(90);
        else if (hoejreMod)
            p.rotate(180);
        for (const qreal x : {-s / 5, s / 20})
            p.drawPolyline(QPolygonF{{x, -s / 4}, {x + s / 5, 0}, {x, s / 4}});
    }

    const bool m_fusion;
    mutable QIcon m_pile[3];
};

void brugStil(QStyle* stil)
{
    QApplication::setStyle(new TegnedeDele(stil));
}

} // namespace

bool anvendDesign(const QString& navn)
{
    // The look the platform gave the program before any style of ours.
    static const QString platformens = QApplication::style()->name();
    // A style in use is not set again: that would polish every widget anew.
    static QString iBrug;
    if (navn == iBrug)
        return true;
    if (navn == u"Windows") {
        QStyle* stil = QStyleFactory::create(platformens);
        brugStil(stil ? stil : QStyleFactory::create(u"Fusion"_qs));
        QApplication::setPalette(QApplication::style()->standardPalette());
        iBrug = navn;
        return true;
    }
    for (const Farver& f : designs) {
        if (navn == QStringView(f.navn)) {
            brugStil(QStyleFactory::create(u"Fusion"_qs));
            QApplication::setPalette(palet(f));
            iBrug = navn;
            return true;
        }
    }
    return false;
}

QStringList designNavne()
{
    QStringList navne{u"Windows"_qs};
    for (const Farver& f : designs)
        navne << QString::fromUtf16(f.navn);
    return navne;
}

} // namespace kv
