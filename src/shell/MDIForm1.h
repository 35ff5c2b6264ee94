#pragma once

#include "layout/frmCheq.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
class QScrollArea;

namespace quillset {

/// The preview frame: the composed cheque page, scrollable, under a strip with "&Print" and "Close".
class MDIForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit MDIForm1(QWidget *parent = nullptr);

    /// Shows a freshly composed page, replacing any page shown before.
    void showPage(const ChequePage &page);
    /// Discards the page, so that the next preview or print composes a new one.
    void unloadLayout();
    frmCheq *layoutWindow() const { return m_layout; }

signals:
    /// "&Print": print and record the cheque, as the entry window's own "&Print" does.
    void printRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QScrollArea *m_workspace = nullptr;
    QPointer<frmCheq> m_layout;
};

} // namespace quillset
