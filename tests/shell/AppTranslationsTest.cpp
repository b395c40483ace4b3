// Every shipped translation: complete, current, with clash-free accelerators, and fitting its
// widgets with a large interface font.
#include "AppLanguage.h"
#include "ModalWatcher.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

const QStringList shipped = {"de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru"};

// context + '|' + source -> translation, from a .ts file; unfinished or obsolete entries get
// an empty translation.
std::map<QString, QString> ReadTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    std::map<QString, QString> messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = !xml.attributes().hasAttribute(QLatin1String("type"));
            const QString text = xml.readElementText();
            messages[context + '|' + source] = finished ? text : QString();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QString Visible(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Fails unless the text is shown whole: every line (or, when wrapped, every word and the
// wrapped block) within the room the widget leaves for it.
void CheckText(const QWidget* widget, const QString& text, int room, const QString& language) {
    const QFontMetrics metrics = widget->fontMetrics();
    const QString shown = Visible(text);
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wraps = label && label->wordWrap();
    const QStringList parts = shown.split(wraps ? QRegularExpression(QStringLiteral("\\s+"))
                                                : QRegularExpression(QStringLiteral("\n")));
    for (const QString& part : parts)
        QVERIFY2(metrics.horizontalAdvance(part) <= room,
                 qPrintable(language + ": \"" + part + "\" is cut off"));
    const int height =
        wraps ? metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, shown).height()
              : metrics.height() * static_cast<int>(parts.size());
    QVERIFY2(height <= widget->height(),
             qPrintable(language + ": \"" + shown + "\" is too high for its widget"));
}

// Checks every visible captioned widget of the window, and that each lies whole inside every
// widget around it.
void CheckWindowFits(QWidget* window, const QString& language) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        for (const QWidget* p = w->parentWidget(); p && p != window->parentWidget();
             p = p->parentWidget())
            QVERIFY2(p->rect().contains(QRect(w->mapTo(p, QPoint(0, 0)), w->size())),
                     qPrintable(language + ": " + w->objectName() + " sticks out of " +
                                p->objectName()));
        const QStyle* style = w->style();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            CheckText(label, label->text(), label->contentsRect().width(), language);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // The room the style leaves for the caption: beside a check box's box, or inside
            // a push button's frame.
            QStyleOptionButton option;
            option.initFrom(button);
            const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
            const QRect room = style->subElementRect(check ? QStyle::SE_CheckBoxContents
                                                           : QStyle::SE_PushButtonContents,
                                                     &option, button);
            CheckText(button, button->text(), room.width(), language);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            CheckText(box, box->title(), box->width(), language);
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                QVERIFY2(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) <=
                             tabs->tabRect(i).width(),
                         qPrintable(language + ": tab " + tabs->tabText(i) + " is cut off"));
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

// Opens the box the action brings up, checks it, and closes it with its escape button.
void CheckBoxFits(TForm1& form, const std::function<void()>& open, const QString& language) {
    bool seen = false;
    WhenModalShown([&](QWidget* modal) {
        seen = true;
        QCOMPARE(modal->parentWidget(), &form);
        CheckWindowFits(modal, language);
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        (box->escapeButton() ? box->escapeButton() : box->buttons().first())->click();
    });
    open();
    QVERIFY(seen);
}

} // namespace

class AppTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { AppLanguage::Install({}); }

    void everyShippedTranslationIsCompleteAndCurrent() {
        // What the sources ask to have translated today.
        QTemporaryDir folder;
        const QString source = QStringLiteral(ZINGAROO_SOURCE_DIR);
        const QString current = folder.filePath(QStringLiteral("current.ts"));
        QStringList arguments = QStringLiteral(ZINGAROO_LUPDATE_OPTIONS).split(' ');
        for (const char* dir : {"core", "options", "presentation", "shell"})
            arguments << source + '/' + dir;
        QProcess lupdate;
        lupdate.start(QStringLiteral(ZINGAROO_LUPDATE),
                      arguments << QStringLiteral("-ts") << current);
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        std::map<QString, QString> wanted = ReadTs(current);
        QVERIFY(wanted.size() > 60);

        QCOMPARE(QDir(QStringLiteral(":/i18n")).entryList(), [] {
            QStringList files;
            for (const QString& language : shipped)
                files << QStringLiteral("zingaroo_%1.qm").arg(language);
            return files;
        }());
        for (const QString& language : shipped) {
            const auto messages =
                ReadTs(source + QStringLiteral("/translations/zingaroo_%1.ts").arg(language));
            QTranslator compiled;
            QVERIFY(compiled.load(QStringLiteral(":/i18n/zingaroo_") + language));
            for (const auto& [key, english] : wanted) {
                const auto found = messages.find(key);
                QVERIFY2(found != messages.end() && !found->second.isEmpty(),
                         qPrintable(language + " lacks " + key));
                const QString context = key.section('|', 0, 0);
                const QString text = key.section('|', 1);
                for (const char* number : {"%1", "%2"})
                    QVERIFY2(
                        text.contains(number) == found->second.contains(number),
                        qPrintable(language + " loses " + QLatin1String(number) + " of " + key));
                QVERIFY2(text.contains('&') == (QKeySequence::mnemonic(found->second) != 0),
                         qPrintable(language + " changes the accelerator of " + key));
                QCOMPARE(compiled.translate(context.toUtf8(), text.toUtf8()), found->second);
            }
            QCOMPARE(messages.size(), wanted.size());
        }
    }

    void acceleratorsAreUniqueWithinEachMenuAndPage() {
        for (const QString& language : QStringList{QString()} + shipped) {
            AppLanguage::Install({language});
            TForm1 form;
            TOptionsDialog dialog;
            QList<QStringList> groups;
            const auto texts = [](const QList<QAction*>& actions) {
                QStringList list;
                for (const QAction* action : actions)
                    if (!action->isSeparator())
                        list << action->text();
                return list;
            };
            groups << texts(form.menuBar()->actions()) << texts(form.Game_MItem->actions())
                   << texts(form.Help_MItem->actions()) << texts(form.PopupMenu1->actions());
            auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            for (int i = 0; i < pages->count(); ++i) {
                QStringList page;
                for (const QLabel* label : pages->widget(i)->findChildren<QLabel*>())
                    page << label->text();
                for (const QCheckBox* check : pages->widget(i)->findChildren<QCheckBox*>())
                    page << check->text();
                for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                    page << button->text();
                groups << page;
            }
            for (const QStringList& group : groups) {
                QSet<QString> keys;
                for (const QString& text : group) {
                    const QKeySequence key = QKeySequence::mnemonic(text);
                    QVERIFY2(key.isEmpty() || !keys.contains(key.toString()),
                             qPrintable(language + ": " + group.join(", ")));
                    keys.insert(key.toString());
                }
            }
        }
    }

    void everyTextFitsItsWidgetWithALargeFont() {
        const QFont interfaceFont = QApplication::font();
        QFont large = interfaceFont;
        large.setPointSize(16);
        QApplication::setFont(large);
        for (const QString& language : QStringList{QString()} + shipped) {
            AppLanguage::Install({language});
            TForm1 form;
            TOptionsDialog options(&form);
            TAboutDialog about(&form);
            options.show();
            auto* pages = options.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                CheckWindowFits(&options, language);
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
        QApplication::setFont(interfaceFont);
    }

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
};

QTEST_MAIN(AppTranslationsTest)
#include "AppTranslationsTest.moc"
