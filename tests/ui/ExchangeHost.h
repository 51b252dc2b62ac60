#pragma once

#include <QHash>
#include <QWidget>
#include <string>

#include "DataExchange.h"

class QLineEdit;
class QComboBox;
class QRadioButton;

// A small window with one control for each exchange routine, exchanged in this order:
// real A, month (1 to 12), integer B, real C, list, radio group, label text.
class ExchangeHost : public QWidget, public DlgItemHost {
public:
    enum Id {
        kRealA = 201,
        kMonth = 202,
        kIntB = 203,
        kRealC = 204,
        kList = 205,
        kRadioFirst = 206,
        kRadioSecond = 207,
        kLabel = 208,
        kButton = 209
    };

    ExchangeHost();
    QWidget* GetDlgItem(int nId) const override { return m_controls.value(nId, nullptr); }
    void DoDataExchange(CDataExchange* pDX) override;

    QLineEdit* Edit(int nId) const;
    QComboBox* List() const;
    QRadioButton* Radio(int nId) const;

    double m_dRealA = 1.5;
    int m_nMonth = 6;
    int m_nIntB = 7;
    double m_dRealC = 2.5;
    int m_nList = 1;
    int m_nRadio = 0;
    std::string m_strLabel = "F";
    CWnd m_button;

private:
    QHash<int, QWidget*> m_controls;
};
