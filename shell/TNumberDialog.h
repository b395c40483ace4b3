// A small box that asks for a whole number in a range, with the program's own OK and Cancel.
#pragma once

#include <QDialog>

#include <optional>

class QSpinBox;

class TNumberDialog : public QDialog {
    Q_OBJECT

public:
    // Offers `value`, bounded to low..high, under the caption `label`.
    TNumberDialog(const QString& title, const QString& label, int value, int low, int high,
                  QWidget* parent);

    int Value() const;

    // The number typed, or nothing when the box was cancelled.
    static std::optional<int> Ask(const QString& title, const QString& label, int value, int low,
                                  int high, QWidget* parent);

private:
    QSpinBox* number_ = nullptr;
};
