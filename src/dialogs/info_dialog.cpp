#include "dialogs/info_dialog.h"

#include "dialogs/run_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace gyro {

void ShowInformationDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("InformationDialog", "情報・操作方法"));
    auto* layout = new QVBoxLayout(&dialog);
    // The program's icon beside its name, as the window and the desktop show it.
    auto* title = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("icon"));
    const QIcon programIcon = QApplication::windowIcon();
    if (!programIcon.isNull()) icon->setPixmap(programIcon.pixmap(32, 32));
    title->addWidget(icon);
    title->addWidget(new QLabel(QCoreApplication::translate("InformationDialog", "Gyrosolid　Ver 1.12")), 1);
    layout->addLayout(title);
    static const char* const kHelp[] = {
        QT_TRANSLATE_NOOP("InformationDialog", "「４・６（←・→）」でｘ－ｚ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「８・２（↑・↓）」でｙ－ｚ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「７・９（Del・Ins）」でｘ－ｙ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「３・１（Home・End）」で拡大／縮小"),
        QT_TRANSLATE_NOOP("InformationDialog", "「＋・－（Ｘ・Ｚ）」で回転速度調整"),
        QT_TRANSLATE_NOOP("InformationDialog", "「５（Space）」で自動回転時の停止"),
        QT_TRANSLATE_NOOP("InformationDialog", "「Ａ・Ｓ・Ｄ・Ｆ」で光の角度変更"),
        QT_TRANSLATE_NOOP("InformationDialog", "「Ｃ」で固有配色時の色の切り替え"),
        QT_TRANSLATE_NOOP("InformationDialog", "「Ｑ・Ｗ（PgUp・PgDn）」で図形変更"),
        QT_TRANSLATE_NOOP("InformationDialog", "「／・＊（Ｖ・Ｂ）」で任意軸を中心に回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「リターン」で任意軸で指定した角度だけ回転"),
    };
    for (const char* line : kHelp)
        layout->addWidget(new QLabel(QCoreApplication::translate("InformationDialog", line)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    RunDialog(dialog);
}

}  // namespace gyro
