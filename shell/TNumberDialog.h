// A small box that asks for a line of text, wide enough for its title, with the program's own
// OK and Cancel.
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

class TNumberDialog : public QDialog {
    Q_OBJECT

public:
    // Offers `text`, selected, under the caption `label`.
    TNumberDialog(const QString& title, const QString& label, const QString& text, QWidget* parent);

    QString Text() const;

    // The text typed, or nothing when the box was cancelled.
    static std::optional<QString> Ask(const QString& title, const QString& label,
                                      const QString& text, QWidget* parent);

private:
    QLineEdit* number_ = nullptr;
};
