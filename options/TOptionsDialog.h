// The five-page options dialog that edits copies of the play, view, system, key and board options.
#pragma once

#include "AppBoardOptions.h"
#include "AppDisplayOptions.h"
#include "AppKeyOptions.h"
#include "AppPlayOptions.h"
#include "AppSystemOptions.h"
#include "AppViewOptions.h"
#include "TBoardOptionsPage.h"
#include "TKeysPage.h"

#include <QDialog>
#include <QStringList>

#include <functional>

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

class TOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Indices of the pages in the page control, in the order they are shown.
    enum Page { pagePlay = 0, pageView = 1, pageSystem = 2, pageKeys = 3, pageBoard = 4 };

    explicit TOptionsDialog(QWidget* parent = nullptr);

    // Bound to the valid ranges (play and view), store as the dialog's record and show it.
    void SetPlayOptions(const AppPlayOptions& options);
    void SetViewOptions(const AppViewOptions& options);
    void SetSystemOptions(const AppSystemOptions& options);
    // Zoom and look are shown on the View page; full screen is carried through unchanged.
    void SetDisplayOptions(const AppDisplayOptions& options);
    void SetKeyOptions(const AppKeyOptions& options);
    void SetBoardOptions(const AppBoardOptions& options);
    // The name the board shows when the player gives none.
    void SetAccountName(const QString& name) { boardPage_->SetAccountName(name); }
    // How the Keys page names the keys: what the player's layout types on them.
    void SetKeyLabels(TKeysPage::Labeller labeller);
    // The zoom the window would show on its screen for a choice of the zoom list; beside the
    // list, the page says so where it differs from the choice.
    void SetZoomOnScreen(std::function<int(int chosen)> zoomOnScreen);

    AppPlayOptions GetPlayOptions() const;
    AppViewOptions GetViewOptions() const;
    AppSystemOptions GetSystemOptions() const;
    AppDisplayOptions GetDisplayOptions() const;
    AppKeyOptions GetKeyOptions() const;
    AppBoardOptions GetBoardOptions() const { return boardOptions_; }

    // Put values into the controls only; the stored records stay as they are.
    void ShowPlayOptions(const AppPlayOptions& options);
    void ShowViewOptions(const AppViewOptions& options);
    void ShowSystemOptions(const AppSystemOptions& options);
    void ShowDisplayOptions(const AppDisplayOptions& options);

    // Store and show the defaults of one page (a Page value; others are ignored) or of all.
    void SetPageDefaults(int page);
    void SetAllDefaults();

    // Closing by any road (OK, Cancel, Enter, Escape, the close box) goes through here. OK with
    // a board address the Board page refuses leaves the dialog open on that page.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreatePlayPage(QWidget* page);
    void CreateViewPage(QWidget* page);
    void CreateSystemPage(QWidget* page);
    void CreateButtons();
    QGroupBox* AddGroupBox(QWidget* page, const QString& caption, const QString& name);
    void AddEditRow(QGroupBox* box, const QString& caption, const QString& editName);
    void AddListRow(QGroupBox* box, const QString& caption, const QString& listName,
                    const QStringList& entries);
    void AddCheckBox(QGroupBox* box, const QString& caption, const QString& name);
    void AddRow(QGroupBox* box, QLabel* label, QWidget* control, int designWidth,
                bool underEdits = false);
    void LayOut();

    void FormShow();
    void FormClose(int result);
    void ButtonClick(QObject* sender);
    void Page1_ComboBox1Click(int index);
    void ShowZoomOnScreen();

    // The group boxes and their rows, in the order they stand, for laying them out.
    struct Box {
        QGroupBox* box;
        int rows;
    };
    struct Row {
        int row;       // within its box
        QLabel* label; // none for a check box
        QWidget* control;
        int designWidth;
        bool underEdits; // a check box standing in the column of the edits
    };
    std::vector<Box> boxes_;
    std::vector<Row> rows_;

    AppPlayOptions playOptions_;
    AppViewOptions viewOptions_;
    AppSystemOptions systemOptions_;
    AppDisplayOptions displayOptions_;
    AppKeyOptions keyOptions_;
    AppBoardOptions boardOptions_;
    std::function<int(int)> zoomOnScreen_;

    QTabWidget* PageControl1 = nullptr;
    TKeysPage* keysPage_ = nullptr;
    TBoardOptionsPage* boardPage_ = nullptr;
    QCheckBox* Page1_CheckBox1 = nullptr;
    QComboBox* Page1_ComboBox1 = nullptr;
    QComboBox* Page2_ComboBox1 = nullptr;
    QLabel* Page2_ZoomNote = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
};
