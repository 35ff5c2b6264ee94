#pragma once

#include "windows/layout/frmCheq.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace quillset {

/// The preview frame: the composed cheque page under a strip with "&Print", "Close" and the zoom,
/// opened at a size that shows the whole leaf.
class MDIForm1 : public QWidget
{
    Q_OBJECT

public:
    enum class Zoom { FitLeaf, FitPage, ActualSize };

    explicit MDIForm1(QWidget *parent = nullptr);

    /// Shows a freshly composed page, replacing any page shown before, at the zoom chosen last.
    void showPage(const ChequePage &page);
    /// Shows the page recomposed after a change, in place of the one shown and at the same zoom,
    /// leaving the frame where it is among the windows.
    void replacePage(const ChequePage &page);
    /// Discards the page, so that the next preview or print composes a new one.
    void unloadLayout();
    frmCheq *layoutWindow() const { return m_layout; }
    /// Says, beside the zoom, which printer's calibration the page is placed with.
    void setCalibrationNote(const QString &note);
    /// Says, under the page, why it would not print or why there is none; empty hides the line.
    void setStatus(const QString &text);
    void setZoom(Zoom zoom);

signals:
    /// "&Print": print and record the cheque, as the entry window's own "&Print" does.
    void printRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyZoom();

    QScrollArea *m_workspace = nullptr;
    QLabel *m_calibration = nullptr;
    QLabel *m_status = nullptr;
    QPointer<frmCheq> m_layout;
    Zoom m_zoom = Zoom::FitLeaf;
};

} // namespace quillset
