#include "app/THandlingsliste.h"
#include "ui/Beskeder.h"
#include "app/Handlingskatalog.h"
#include "platform/Fejl.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kv {

THandlingsliste::THandlingsliste(QWidget* vindue) : QObject(vindue)
{
    for (const Handlingsdef& d : handlingskatalog()) {
        auto* a = new QAction(QString::fromUtf16(d.caption), vindue);
        a->setObjectName(QString::fromLatin1(d.navn));
        const QString hint = QString::fromUtf16(d.hint);
        a->setToolTip(hint.isEmpty() ? a->text() : hint);
        a->setStatusTip(hint);
        a->setIcon(handlingsIkon(d.billede));
        if (*d.genveje)
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(d.genveje)));
        a->setEnabled(false);
        vindue->addAction(a);
        m_poster.insert(QByteArray(d.navn), Post{a, {}, [] { return false; }});
        connect(a, &QAction::triggered, this, [this, navn = QByteArray(d.navn)] { udfoer(m_poster[navn]); });
    }
    qApp->installEventFilter(this);
}

QAction* THandlingsliste::handling(const char* navn) const
{
    return const_cast<THandlingsliste*>(this)->post(navn).handling;
}

THandlingsliste::Post& THandlingsliste::post(const char* navn)
{
    auto it = m_poster.find(QByteArray(navn));
    if (it == m_poster.end())
        qFatal("Handlingen %s findes ikke i kataloget", navn);
    return *it;
}

void THandlingsliste::bind(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv)
{
    Post& p = post(navn);
    p.udfoer = std::move(udfoer);
    p.aktiv = aktiv ? std::move(aktiv) : [] { return true; };
    planlaegOpdatering();
}

void THandlingsliste::saetOptaget(std::function<bool()> optaget)
{
    m_optaget = std::move(optaget);
}

void THandlingsliste::tilladUnderHandling(const char* navn)
{
    post(navn).underHandling = true;
}

bool THandlingsliste::erAktiv(const Post& post) const
{
    return (post.underHandling || !m_optaget()) && post.aktiv();
}

void THandlingsliste::udfoer(const Post& post)
{
    // A rule may have changed since it last ran; a disabled action does nothing.
    if (m_stoppet || !post.udfoer || !erAktiv(post))
        return;
    try {
        post.udfoer();
    } catch (const Fejl& f) {
        visFejl(f.tekst());
    }
    planlaegOpdatering();
}

void THandlingsliste::stop()
{
    m_stoppet = true;
    qApp->removeEventFilter(this);
    for (const Post& p : std::as_const(m_poster))
        p.handling->setEnabled(false);
}

void THandlingsliste::opdaterAlle()
{
    m_planlagt = false;
    if (m_stoppet)
        return;
    for (const Post& p : std::as_const(m_poster))
        p.handling->setEnabled(erAktiv(p));
}

void THandlingsliste::planlaegOpdatering()
{
    if (m_planlagt)
        return;
    m_planlagt = true;
    QTimer::singleShot(0, this, &THandlingsliste::opdaterAlle);
}

bool THandlingsliste::eventFilter(QObject* obj, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        opdaterAlle();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        planlaegOpdatering();
        break;
    default:
        break;
    }
    return QObject::eventFilter(obj, event);
}

} // namespace kv
