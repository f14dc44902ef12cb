#include "fileops/TspmForm.h"
#include "fileops/Vinduer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QVBoxLayout>

namespace kv {

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
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);

    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(ja);
    knapper->addWidget(nej);
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
    return exec() == QDialog::Accepted;
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
