#include "dialogs/finder_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "catalog/catalogue.h"
#include "catalog/english_names.h"
#include "catalog/figure_finder.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

QString Translate(const char* text) { return QCoreApplication::translate("FinderDialog", text); }

// "43  擬斜方立方八面体 / ... — Pseudorhombicuboctahedron / ..."
QString ListText(ShapeId figure, bool english) {
    const FigureInfo* info = FindFigure(figure);
    const QString ja =
        info ? QString::fromUtf8(info->nameJa.data(), static_cast<qsizetype>(info->nameJa.size())) : QString();
    const QString en = QString::fromStdString(EnglishFigureName(figure));
    QString names = english ? en : ja;
    const QString other = english ? ja : en;
    if (!other.isEmpty()) names += (names.isEmpty() ? QString() : QStringLiteral(" \u2014 ")) + other;
    return QStringLiteral("%1  %2").arg(figure, 3).arg(names);
}

class FinderDialog : public QDialog {
public:
    FinderDialog(QWidget* parent, bool english) : QDialog(parent), english_(english) {
        setWindowTitle(Translate(QT_TRANSLATE_NOOP("FinderDialog", "図形を探す")));
        setObjectName(QStringLiteral("finderDialog"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(
            Translate(QT_TRANSLATE_NOOP("FinderDialog", "番号、J番号（J27など）、名前の一部（日本語・英語）：")),
            this));
        query_ = new QLineEdit(this);
        query_->setObjectName(QStringLiteral("query"));
        query_->installEventFilter(this);
        layout->addWidget(query_);
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("matches"));
        list_->setMinimumSize(560, 320);
        layout->addWidget(list_);
        count_ = new QLabel(this);
        count_->setObjectName(QStringLiteral("count"));
        layout->addWidget(count_);
        QDialogButtonBox* buttons = AddOkCancel(*this);
        layout->addWidget(buttons);
        ok_ = buttons->button(QDialogButtonBox::Ok);

        connect(query_, &QLineEdit::textChanged, this, [this] { refill(); });
        connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
        connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ok_->setEnabled(row >= 0); });
        refill();
        query_->setFocus();
    }

    std::optional<ShapeId> chosen() const {
        const QListWidgetItem* item = list_->currentItem();
        if (item == nullptr) return std::nullopt;
        return static_cast<ShapeId>(item->data(Qt::UserRole).toInt());
    }

protected:
    // Up and down in the field move through the list, so that one can type,
    // pick and press Enter without leaving the keyboard's home.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == query_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
                QCoreApplication::sendEvent(list_, event);
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    void refill() {
        const std::vector<ShapeId> found = FindFigures(query_->text().toStdString());
        list_->clear();
        for (ShapeId figure : found) {
            auto* item = new QListWidgetItem(ListText(figure, english_), list_);
            item->setData(Qt::UserRole, int{figure});
        }
        if (!found.empty()) list_->setCurrentRow(0);
        ok_->setEnabled(!found.empty());
        count_->setText(Translate(QT_TRANSLATE_NOOP("FinderDialog", "%1 件")).arg(found.size()));
    }

    bool english_;
    QLineEdit* query_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace

std::optional<ShapeId> RunFinderDialog(QWidget* parent, bool english) {
    FinderDialog dialog(parent, english);
    if (RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace gyro
