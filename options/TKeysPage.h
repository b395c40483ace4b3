// The Keys page of the options dialog: the keys of sets 1 and 2, each rebound by pressing a key.
#pragma once

#include "AppKeyOptions.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;

class TKeysPage : public QWidget {
    Q_OBJECT

public:
    // What the player's layout types on the key of a physical code.
    using Labeller = std::function<QString(std::uint32_t code)>;

    explicit TKeysPage(QWidget* parent = nullptr);

    // Until one is given, the keys are named by their US letters.
    void SetLabeller(Labeller labeller);
    // Shown, and edited from then on; the line under the rows is cleared.
    void SetKeys(const AppKeyOptions& keys);
    const AppKeyOptions& Keys() const { return keys_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Wait(int slot);
    void Take(int slot, const QKeyEvent& event);
    QString Label(std::uint32_t code) const;
    void ShowKeys();

    AppKeyOptions keys_;
    Labeller labeller_;
    std::array<QPushButton*, AppKeyOptions::count> buttons_ = {};
    QLabel* line_ = nullptr;
    // The slot whose button waits for a key, or -1.
    int waiting_ = -1;
};
