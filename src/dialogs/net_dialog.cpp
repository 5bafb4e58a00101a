#include "dialogs/net_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"

namespace gyro {

bool EditNet(QWidget* parent, NetRequest& request) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("NetDialog", "展開図を保存"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    auto* page = new QComboBox;
    page->setObjectName(QStringLiteral("page"));
    page->addItem(QStringLiteral("A4"), static_cast<int>(NetPage::A4));
    page->addItem(QStringLiteral("Letter"), static_cast<int>(NetPage::Letter));
    page->addItem(QStringLiteral("A3"), static_cast<int>(NetPage::A3));
    page->setCurrentIndex(page->findData(static_cast<int>(request.page)));
    form->addRow(QCoreApplication::translate("NetDialog", "用紙"), page);
    auto* edge = new QDoubleSpinBox;
    edge->setObjectName(QStringLiteral("edgemm"));
    edge->setRange(0.0, 1000.0);
    edge->setDecimals(1);
    edge->setSuffix(QStringLiteral(" mm"));
    edge->setSpecialValueText(QCoreApplication::translate("NetDialog", "自動 (用紙に収まる最大)"));
    edge->setValue(request.edgeMm);
    form->addRow(QCoreApplication::translate("NetDialog", "一番長い辺"), edge);
    auto* white = new QCheckBox(QCoreApplication::translate("NetDialog", "面を白くする"));
    white->setObjectName(QStringLiteral("white"));
    white->setChecked(request.white);
    form->addRow(white);
    auto* tabs = new QCheckBox(QCoreApplication::translate("NetDialog", "のりしろを付ける"));
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setChecked(request.tabs);
    form->addRow(tabs);
    layout->addLayout(form);
    layout->addWidget(AddOkCancel(dialog));
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    request.page = static_cast<NetPage>(page->currentData().toInt());
    request.edgeMm = edge->value();
    request.white = white->isChecked();
    request.tabs = tabs->isChecked();
    return true;
}

}  // namespace gyro
