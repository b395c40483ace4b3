// Every shipped language in the windows: accelerators apart within each menu and page, and
// every text whole in its widget with a large interface font.
#include "AppLanguage.h"
#include "ModalWatcher.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Fails unless the text shows whole in the room: every line, or for wrapped text every word
// and the wrapped block.
void CheckText(const QWidget* widget, QString text, int room, const QString& language) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics = widget->fontMetrics();
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wraps = label && label->wordWrap();
    const QStringList parts = text.split(QRegularExpression(wraps ? "\\s+" : "\n"));
    for (const QString& part : parts)
        QVERIFY2(metrics.horizontalAdvance(part) <= room,
                 qPrintable(language + ": \"" + part + "\" is cut off"));
    const QRect block = metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, text);
    QVERIFY2((wraps ? block.height() : metrics.height() * parts.size()) <= widget->height(),
             qPrintable(language + ": \"" + text + "\" is cut off below"));
}

// Every visible captioned widget of the window, each lying whole inside the widgets around it.
void CheckWindowFits(QWidget* window, const QString& language) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        for (const QWidget* p = w->parentWidget(); p != window->parentWidget();
             p = p->parentWidget())
            QVERIFY2(p->rect().contains(QRect(w->mapTo(p, QPoint(0, 0)), w->size())),
                     qPrintable(language + ": " + w->objectName() + " sticks out"));
        const QStyle* style = w->style();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            CheckText(label, label->text(), label->contentsRect().width(), language);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // The room the style leaves for the caption, beside a check box's box or inside
            // a push button's frame.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                style->subElementRect(qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_PushButtonContents,
                                      &option, button);
            CheckText(button, button->text(), room.width(), language);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            CheckText(box, box->title(), box->width(), language);
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                CheckText(tabs, tabs->tabText(i), tabs->tabRect(i).width(), language);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                CheckText(combo, combo->itemText(i), field.width(), language);
        }
    }
}

void CheckAccelerators(const QStringList& captions, const QString& language) {
    QStringList keys;
    for (const QString& caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        QVERIFY2(key.isEmpty() || !keys.contains(key),
                 qPrintable(language + ": " + captions.join(QStringLiteral(", "))));
        keys << key;
    }
}

template <class T> QStringList Captions(const QList<T*>& items) {
    QStringList captions;
    for (const T* item : items)
        captions << item->text();
    return captions;
}

// Opens the box the action brings up, checks it while it is open, and closes it.
void CheckBoxFits(TForm1& form, const std::function<void()>& open, const QString& language) {
    bool seen = false;
    WhenModalShown([&](QWidget* modal) {
        seen = true;
        QCOMPARE(modal->parentWidget(), &form);
        CheckWindowFits(modal, language);
        auto* box = qobject_cast<QMessageBox*>(modal);
        (box->escapeButton() ? box->escapeButton() : box->buttons().first())->click();
    });
    open();
    QVERIFY(seen);
}

} // namespace

class AppTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void theDesignLayoutStaysInEnglishWithTheDefaultFont() {
        TOptionsDialog dialog;
        const auto at = [&dialog](const char* name) {
            return dialog.findChild<QWidget*>(QLatin1String(name))->geometry();
        };
        QCOMPARE(dialog.size(), QSize(529, 345));
        QCOMPARE(at("PageControl1"), QRect(8, 8, 401, 329));
        QCOMPARE(at("Button1"), QRect(424, 32, 97, 31));
        QCOMPARE(at("Button4"), QRect(424, 168, 97, 31));
        QCOMPARE(at("Page1_GroupBox1"), QRect(8, 8, 377, 284));
        QCOMPARE(at("Page1_Edit1"), QRect(233, 28, 121, 24));
        QCOMPARE(at("Page1_CheckBox1"), QRect(233, 220, 136, 24));
        QCOMPARE(at("Page1_ComboBox1"), QRect(233, 252, 129, 24));
        QCOMPARE(at("Page3_GroupBox2"), QRect(8, 140, 377, 92));
        QCOMPARE(at("Page3_CheckBox5"), QRect(16, 60, 337, 24));
    }

    void everyLanguageFitsALargeFontWithAcceleratorsApart() {
        const QFont interfaceFont = QApplication::font();
        QFont large = interfaceFont;
        large.setPointSize(16);
        QApplication::setFont(large);
        for (const QString language : {"", "cs", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR",
                                       "ru", "sv", "uk", "zh_CN"}) {
            QCOMPARE(AppLanguage::Install({language}), language);
            TForm1 form;
            TOptionsDialog options(&form);
            TAboutDialog about(&form);
            for (const QWidget* menu :
                 {static_cast<QWidget*>(form.menuBar()), static_cast<QWidget*>(form.Game_MItem),
                  static_cast<QWidget*>(form.Help_MItem), static_cast<QWidget*>(form.PopupMenu1)})
                CheckAccelerators(Captions(menu->actions()), language);

            options.show();
            auto* pages = options.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                CheckWindowFits(&options, language);
                CheckAccelerators(Captions(pages->widget(i)->findChildren<QLabel*>()) +
                                      Captions(pages->widget(i)->findChildren<QCheckBox*>()),
                                  language);
            }
            options.hide();
            about.show();
            CheckWindowFits(&about, language);
            about.hide();

            CheckBoxFits(
                form, [&] { form.Game_Status_MItem->trigger(); }, language);
            CheckBoxFits(
                form, [&] { form.Help_Tips_MItem->trigger(); }, language);
            CheckBoxFits(
                form, [&] { form.Help_Help_MItem->trigger(); }, language);
            AppSystemOptions clear = form.SystemOptions();
            clear.ClearRecordNow = true;
            CheckBoxFits(
                form, [&] { form.ApplySystemOptions(clear); }, language);
        }
        AppLanguage::Install({});
        QApplication::setFont(interfaceFont);
    }
};

QTEST_MAIN(AppTranslationsTest)
#include "AppTranslationsTest.moc"
