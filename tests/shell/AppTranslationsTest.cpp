// Every shipped language in the windows: accelerators apart within each menu and page, every
// text whole in its widget with a large interface font and on the narrowest field, and the help
// page quoting the program's own captions.
#include "AppGame.h"
#include "AppGameTestPeer.h"
#include "AppLanguage.h"
#include "AppRenderer.h"
#include "AppShellTexts.h"
#include "ModalWatcher.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"
#include "TOptionsDialog.h"
#include "TScoresDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
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
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// The pieces a wrapped text cannot be broken within: words, or in Chinese and Japanese the
// runs between the places their rules let a line break.
QStringList Unbreakable(const QString& text) {
    QStringList pieces;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype start = 0; breaks.toNextBoundary() != -1; start = breaks.position())
        pieces << text.mid(start, breaks.position() - start).trimmed();
    return pieces;
}

// The height of the text wrapped in the room, laid out as the label lays it out: a label whose
// text can be selected as a text document, any other with its font's metrics. The two differ
// where a line takes glyphs from a fallback font, as Chinese and Japanese do.
int WrappedHeight(const QLabel* label, const QString& text, int room) {
    if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse))
        return label->fontMetrics()
            .boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, text)
            .height();
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setPlainText(text);
    document.setTextWidth(room);
    return qCeil(document.size().height());
}

// Fails unless the text shows whole in the room: every line, or for wrapped text every
// unbreakable piece and the wrapped block.
void CheckText(const QWidget* widget, QString text, int room, const QString& language) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics = widget->fontMetrics();
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wraps = label && label->wordWrap();
    const QStringList parts = wraps ? Unbreakable(text) : text.split(QLatin1Char('\n'));
    for (const QString& part : parts)
        QVERIFY2(metrics.horizontalAdvance(part) <= room,
                 qPrintable(language + ": \"" + part + "\" is cut off"));
    QVERIFY2((wraps ? WrappedHeight(label, text, room) : metrics.height() * parts.size()) <=
                 widget->height(),
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
void CheckBoxFits(TForm1& form, const TOptionsDialog& options, const std::function<void()>& open,
                  const QString& language) {
    bool seen = false;
    WhenModalShown([&](QWidget* modal) {
        seen = true;
        QCOMPARE(modal->parentWidget(), &form);
        CheckWindowFits(modal, language);
        auto* box = qobject_cast<QMessageBox*>(modal);
        // The box's buttons read like the options dialog's, also where Qt has no translation.
        const auto dialogs = [&options](const char* name) {
            return options.findChild<QPushButton*>(QLatin1String(name))->text();
        };
        QCOMPARE(box->button(QMessageBox::Ok)->text(), dialogs("Button1"));
        if (box->button(QMessageBox::Cancel))
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), dialogs("Button2"));
        (box->escapeButton() ? box->escapeButton() : box->buttons().first())->click();
    });
    open();
    QVERIFY(seen);
}

// The Scores dialog on a custom table, whose name is the longest, with a long player's name.
void CheckScoresDialogFits(TForm1& form, const QString& language) {
    AppScoreGame game;
    game.rules = AppPlayOptions(32, 32, 1024, 1024, 1024, 1000, false);
    game.score = 99999;
    game.phase = 999;
    game.lengthSeconds = 99 * 3600;
    game.name = std::string(40, 'W');
    AppScoreBook book;
    book.Add(game);
    TScoresDialog scores(book, AppReplayShelf(std::string()), game.rules, {}, &form);
    scores.show();
    // Named by the program, as Qt has no text for it in some languages.
    QVERIFY2(language.isEmpty() ||
                 scores.findChild<QPushButton*>(QStringLiteral("CloseButton"))->text() != "Close",
             qPrintable(language + ": the Close button is in English"));
    auto* pages = scores.findChild<QTabWidget*>(QStringLiteral("PageControl"));
    QStringList captions = Captions(scores.findChildren<QAbstractButton*>());
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        CheckWindowFits(&scores, language);
        captions << pages->tabText(i);
    }
    CheckAccelerators(captions << Captions(scores.findChildren<QLabel*>()), language);
}

// The captions of the menu bar and of each menu, one list per menu.
QList<QStringList> MenuCaptions(const TForm1& form) {
    QList<QStringList> menus{Captions(form.menuBar()->actions())};
    for (const char* name : {"Game_MItem", "Help_MItem", "PopupMenu1"})
        menus << Captions(form.findChild<QMenu*>(QLatin1String(name))->actions());
    return menus;
}

// English first, then every translation compiled into the program.
QStringList Languages() {
    return QStringList{QString()} + QStringLiteral(ZINGAROO_LANGUAGES).split(QLatin1Char(' '));
}

// Fails unless the game-over lines, with scores and phases as long as play reaches, lie whole
// inside the narrowest field: no letter or outline pixel in its outermost columns.
void CheckGameOverFits(TForm1& form, const QString& language) {
    AppGame& game = TForm1TestPeer::Game(form);
    game.SetPlayOptions(AppPlayOptions(16, 16, 1, 1, 32, 240, true));
    game.SetViewOptions(AppViewOptions(18, 18));
    game.SetState(stSetup);
    AppGameTestPeer::SetScore(game, 12345, 123);
    game.SetRecord(99999, 999);
    game.SetState(stGameOver);
    const QImage& picture = TForm1TestPeer::Renderer(form).BackBuffer();
    QCOMPARE(picture.width(), 288);
    for (const int x : {0, picture.width() - 1})
        for (int y = 0; y < picture.height(); ++y) {
            const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
            QVERIFY2(pixel != (AppRenderer::textColor & 0xFFFFFF) &&
                         pixel != (AppRenderer::outlineColor & 0xFFFFFF),
                     qPrintable(language + ": a game-over line is cut off at row " +
                                QString::number(y)));
        }
}

// No-break spaces as plain ones: the help page and the program may space a colon either way.
QString PlainSpaces(QString text) {
    return text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
}

// Captions without their accelerator, range and colon, as running text quotes them.
QString Bare(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("\\(&\\w\\)|&(?=[^&])")));
    caption = PlainSpaces(caption);
    // Chinese and Japanese write the range's brackets and the colon full width.
    caption.remove(QRegularExpression(QStringLiteral(
        "(?<=\\S)\\s*[(\\x{FF08}][^()\\x{FF08}\\x{FF09}]*[)\\x{FF09}]\\s*[:\\x{FF1A}]?$|"
        "\\s*[:\\x{FF1A}]$")));
    return caption.simplified();
}

// Every caption the program shows in the installed language, in the order the windows are built.
QStringList ProgramCaptions() {
    TForm1 form;
    TOptionsDialog options(&form);
    QStringList captions;
    for (const QStringList& menu : MenuCaptions(form))
        captions << menu;
    for (const QWidget* w : options.findChildren<QWidget*>()) {
        if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            captions << box->title();
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            captions << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            captions << button->text();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                captions << combo->itemText(i);
        }
    }
    for (QString& caption : captions)
        caption = Bare(caption);
    return captions;
}

// What a help page quotes: the text of every table cell and emphasis, menu paths split at
// the arrow, and the lines of its first example.
struct HelpQuotes {
    QList<QStringList> cells;
    QStringList example;
};

HelpQuotes ReadHelpPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString page = QString::fromUtf8(file.readAll());
    const auto plain = [](const QString& html) {
        return QTextDocumentFragment::fromHtml(html).toPlainText();
    };
    HelpQuotes quotes;
    static const QRegularExpression cell(QStringLiteral("<(td|em)\\b[^>]*>(.*?)</\\1>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : cell.globalMatch(page)) {
        QStringList parts = plain(match.captured(2)).split(QChar(0x2192));
        for (QString& part : parts)
            part = Bare(part);
        quotes.cells << parts;
    }
    static const QRegularExpression example(QStringLiteral("<pre>(.*?)</pre>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString lines = QStringLiteral("<pre>%1</pre>").arg(example.match(page).captured(1));
    quotes.example = PlainSpaces(plain(lines)).split(QLatin1Char('\n'));
    return quotes;
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
        QCOMPARE(at("Page3_GroupBox2"), QRect(8, 204, 377, 92));
        QCOMPARE(at("Page3_CheckBox5"), QRect(16, 60, 337, 24));
    }

    void everyLanguageFitsALargeFontWithAcceleratorsApart() {
        const QFont interfaceFont = QApplication::font();
        QFont large = interfaceFont;
        large.setPointSize(16);
        QApplication::setFont(large);
        for (const QString& language : Languages()) {
            QCOMPARE(AppLanguage::Install({language}), language);
            TForm1 form;
            TOptionsDialog options(&form);
            TAboutDialog about(&form);
            for (const QStringList& menu : MenuCaptions(form))
                CheckAccelerators(menu, language);

            // The texts that come after the dialog is laid out: the zoom the screen gives, a
            // key's button waiting for its key.
            options.SetZoomOnScreen([](int) { return AppDisplayOptions::zoomMost; });
            options.show();
            auto* pages = options.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                if (auto* key =
                        pages->widget(i)->findChild<QPushButton*>(QStringLiteral("Page4_Button1")))
                    QTest::mouseClick(key, Qt::LeftButton);
                CheckWindowFits(&options, language);
                CheckAccelerators(Captions(pages->widget(i)->findChildren<QLabel*>()) +
                                      Captions(pages->widget(i)->findChildren<QCheckBox*>()),
                                  language);
            }
            options.hide();
            about.show();
            CheckWindowFits(&about, language);
            about.hide();
            CheckScoresDialogFits(form, language);

            for (const char* item : {"Game_Status_MItem", "Help_Tips_MItem", "Help_Help_MItem"})
                CheckBoxFits(
                    form, options,
                    [&] { form.findChild<QAction*>(QLatin1String(item))->trigger(); }, language);
            AppSystemOptions clear = form.SystemOptions();
            clear.ClearRecordNow = true;
            CheckBoxFits(
                form, options, [&] { form.ApplySystemOptions(clear); }, language);
            CheckGameOverFits(form, language);
        }
        AppLanguage::Install({});
        QApplication::setFont(interfaceFont);
    }

    void theHelpPagesQuoteTheProgramsOwnCaptions() {
        const QString folder = QStringLiteral(ZINGAROO_HELP_FOLDER "/");
        AppLanguage::Install({});
        const QStringList english = ProgramCaptions();
        const HelpQuotes englishPage = ReadHelpPage(folder + QStringLiteral("index.html"));
        QVERIFY(englishPage.cells.size() > 100);
        for (const QString& language : Languages()) {
            QCOMPARE(AppLanguage::Install({language}), language);
            const QStringList translated = ProgramCaptions();
            QCOMPARE(translated.size(), english.size());
            QMultiHash<QString, QString> own;
            for (qsizetype i = 0; i < english.size(); ++i)
                own.insert(english[i], translated[i]);

            const QString path = folder + (language.isEmpty() ? QString() : language + '/');
            const HelpQuotes page = ReadHelpPage(path + QStringLiteral("index.html"));
            QCOMPARE(page.cells.size(), englishPage.cells.size());
            for (qsizetype i = 0; i < page.cells.size(); ++i)
                for (qsizetype j = 0; j < englishPage.cells[i].size(); ++j) {
                    const QString& word = englishPage.cells[i][j];
                    const QStringList words = own.values(word);
                    const QString quoted = page.cells[i].value(j);
                    QVERIFY2(word.isEmpty() || words.isEmpty() || words.contains(quoted),
                             qPrintable(language + ": the help page says \"" + quoted +
                                        "\" where the program says \"" +
                                        words.join(QStringLiteral("\" or \"")) + '"'));
                }

            const AppGameTexts texts = AppShellTexts::GameTexts();
            const auto line = [](const std::string& pattern,
                                 std::initializer_list<std::string> args) {
                return PlainSpaces(QString::fromStdString(AppGameTexts::Fill(pattern, args)));
            };
            QCOMPARE(page.example, QStringList({line(texts.stateLine, {texts.notPlaying}),
                                                line(texts.scoreLine, {"12", "3"}),
                                                line(texts.recordLine, {"40", "5"})}));
        }
        AppLanguage::Install({});
    }
};

QTEST_MAIN(AppTranslationsTest)
#include "AppTranslationsTest.moc"
