#pragma once

#include "ChequePage.h"

#include <QWidget>

namespace quillset {

/// The composed cheque page on screen: a borderless, page-sized surface painted from the same page
/// description the printer receives.
class frmCheq : public QWidget
{
    Q_OBJECT

public:
    explicit frmCheq(ChequePage page, QWidget *parent = nullptr);

    const ChequePage &page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    /// The shown text item under a point of the widget, or nullptr.
    const PageItem *textItemAt(const QPoint &position) const;

    ChequePage m_page;
};

} // namespace quillset
