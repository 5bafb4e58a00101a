#include "dialogs/info_dialog.h"

#include "dialogs/run_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace gyro {

void ShowInformationDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("InformationDialog", "情報・操作方法"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QCoreApplication::translate("InformationDialog", "Gyrosolid　Ver 1.12")));
    static const char* const kHelp[] = {
        QT_TRANSLATE_NOOP("InformationDialog", "「４・６（←・→）」でｘ－ｚ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「８・２（↑・↓）」でｙ－ｚ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「７・９（Ins・Del）」でｘ－ｙ回転"),
        QT_TRANSLATE_NOOP("InformationDialog", "「１・３（Home・End）」で拡大／縮小"),
        QT_TRANSLATE_NOOP("InformationDialog", "「＋・－（Ｚ・Ｘ）」で回転速度調整"),
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
