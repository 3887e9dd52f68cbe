#pragma once

#include <QWidget>

// Holds painting off while the nodes change; nests.
class TUpdateBracket {
public:
    explicit TUpdateBracket(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled()) {
        m_widget->setUpdatesEnabled(false);
    }
    ~TUpdateBracket() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};
