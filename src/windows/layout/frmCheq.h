#pragma once

#include "core/layout/ChequePage.h"

#include <QWidget>

namespace quillset {

/// The composed cheque page on screen: a borderless, page-sized surface painted from the same page
/// description the printer receives, at any zoom, with the leaf's outline drawn on screen only.
class frmCheq : public QWidget
{
    Q_OBJECT

public:
    explicit frmCheq(ChequePage page, QWidget *parent = nullptr);

    const ChequePage &page() const { return m_page; }
    /// Shows another page in place of this one, at the same zoom.
    void setPage(ChequePage page);
    /// 1 shows the page at its real size on a 96 dpi screen.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    /// The shown text item under a point of the widget, or nullptr.
    const PageItem *textItemAt(const QPoint &position) const;
    double twipsPerPixel() const;

    ChequePage m_page;
    double m_zoom = 1.0;
};

} // namespace quillset
