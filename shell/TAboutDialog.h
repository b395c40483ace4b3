// The About dialog: the program's icon, name, platform, version and copyright, and an OK button.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
struct AppProgramTexts;

class TAboutDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the program's icon and the text made from its fixed texts.
    explicit TAboutDialog(QWidget* parent = nullptr);
    // Shows the given icon (at 32 x 32) and text; the layout fits the text's wrapped height.
    TAboutDialog(const QIcon& appIcon, const QString& aboutText, QWidget* parent = nullptr);

    // Product name, system, version number and copyright line in one sentence pattern that a
    // language can reorder: "Zingaroo for Linux Version <major>.<minor>.<patch>. Copyright ..."
    // in English.
    static QString AboutText(const AppProgramTexts& texts);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOut(const QIcon& appIcon, const QString& aboutText);
    void CentreOnScreen();
    void FormShow();

    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Image1;
    QPushButton* Button1;
};
