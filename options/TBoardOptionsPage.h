// The Board page of the options dialog: the board's address, the name shown, and sending.
#pragma once

#include "AppBoardOptions.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

class TBoardOptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit TBoardOptionsPage(QWidget* parent = nullptr);

    // The name shown when the player gives none.
    void SetAccountName(const QString& name);
    // Shown, and edited from then on; the line under the fields is cleared.
    void SetOptions(const AppBoardOptions& options);
    // What the fields hold; nothing, with the line under them saying why, when the address is
    // not one the game sends to.
    std::optional<AppBoardOptions> Options();

private:
    QLineEdit* BoardAddressEdit = nullptr;
    QLineEdit* BoardNameEdit = nullptr;
    QCheckBox* BoardSendCheckBox = nullptr;
    QLabel* line_ = nullptr;
};
