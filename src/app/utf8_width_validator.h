#pragma once

#include <QValidator>

namespace lexorama::app {

/// Keeps what the user types within a field's width in UTF-8 bytes: a longer text is cut at the
/// last whole character that fits.
class Utf8WidthValidator : public QValidator {
public:
    Utf8WidthValidator(std::size_t width, QObject *parent);
    State validate(QString &input, int &pos) const override;

private:
    std::size_t width_;
};

} // namespace lexorama::app
