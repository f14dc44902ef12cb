#include "ui/TspmForm.h"
#include "ui/Vinduer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QVBoxLayout>

namespace kv {

static constexpr int nejSvar = 2;

static QPointer<TspmForm>& delt()
{
    static QPointer<TspmForm> form;
    return form;
}

TspmForm::TspmForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"spmForm"_qs);
    setWindowTitle(u"Spørgsmål"_qs);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);

    info = new QPlainTextEdit(this);
    info->setObjectName(u"info"_qs);
    info->setReadOnly(true);
    info->setFocusPolicy(Qt::NoFocus);

    auto* ja = new QPushButton(u"Ja"_qs, this);
    ja->setObjectName(u"jaKnap"_qs);
    ja->setDefault(true);
    auto* nej = new QPushButton(u"Nej"_qs, this);
    nej->setObjectName(u"nejKnap"_qs);
    m_annuller = new QPushButton(u"Annuller"_qs, this);
    m_annuller->setObjectName(u"annullerKnap"_qs);
    m_annuller->hide();
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    // Esc and the close button reject; "Nej" has an answer of its own, so a
    // question that can be called off tells the two apart.
    connect(nej, &QPushButton::clicked, this, [this] { done(nejSvar); });
    connect(m_annuller, &QPushButton::clicked, this, &QDialog::reject);

    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(ja);
    knapper->addWidget(nej);
    knapper->addWidget(m_annuller);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addLayout(knapper);
    resize(380, 180);
    if (!delt())
        delt() = this;
}

bool TspmForm::spoerg(const QStringList& linjer)
{
    info->setPlainText(linjer.join(u'\n'));
    m_annuller->hide();
    return exec() == QDialog::Accepted;
}

TspmForm::Svar TspmForm::spoergMedAnnuller(const QStringList& linjer)
{
    info->setPlainText(linjer.join(u'\n'));
    m_annuller->show();
    const int svar = exec();
    m_annuller->hide();
    return svar == QDialog::Accepted ? Svar::Ja : svar == nejSvar ? Svar::Nej : Svar::Annuller;
}

void TspmForm::showEvent(QShowEvent* event)
{
    centrerPaaHoved(this);
    QDialog::showEvent(event);
}

TspmForm& spmForm()
{
    if (!delt())
        new TspmForm;
    return *delt();
}

} // namespace kv
