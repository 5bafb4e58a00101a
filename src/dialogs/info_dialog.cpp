#include "dialogs/info_dialog.h"

#include "dialogs/run_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace gyro {

void ShowInformationDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("情報・操作方法"));
    auto* layout = new QVBoxLayout(&dialog);
    // The program's icon beside its name, as the window and the desktop show it.
    auto* title = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("icon"));
    const QIcon programIcon = QApplication::windowIcon();
    if (!programIcon.isNull()) icon->setPixmap(programIcon.pixmap(32, 32));
    title->addWidget(icon);
    title->addWidget(new QLabel(QStringLiteral("Gyrosolid　Ver 1.12")), 1);
    layout->addLayout(title);
    static const char* const kHelp[] = {
        "「４・６（←・→）」でｘ－ｚ回転",
        "「８・２（↑・↓）」でｙ－ｚ回転",
        "「７・９（Del・Ins）」でｘ－ｙ回転",
        "「３・１（Home・End）」で拡大／縮小",
        "「＋・－（Ｘ・Ｚ）」で回転速度調整",
        "「５（Space）」で自動回転時の停止",
        "「Ａ・Ｓ・Ｄ・Ｆ」で光の角度変更",
        "「Ｃ」で固有配色時の色の切り替え",
        "「Ｑ・Ｗ（PgUp・PgDn）」で図形変更",
        "「／・＊（Ｖ・Ｂ）」で任意軸を中心に回転",
        "「リターン」で任意軸で指定した角度だけ回転",
    };
    for (const char* line : kHelp) layout->addWidget(new QLabel(QString::fromUtf8(line)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    RunDialog(dialog);
}

}  // namespace gyro
