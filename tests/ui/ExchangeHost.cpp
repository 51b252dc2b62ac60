#include "ExchangeHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "TemplateBuilder.h"

namespace {

constexpr const char* kListItems[] = {"Dry", "Wet"};

constexpr ControlTemplate kControls[] = {
    {ExchangeHost::kRealA, ControlKind::Edit, "", 10, 10, 40, 14},
    {ExchangeHost::kMonth, ControlKind::Edit, "", 10, 30, 40, 14},
    {ExchangeHost::kIntB, ControlKind::Edit, "", 10, 50, 40, 14},
    {ExchangeHost::kRealC, ControlKind::Edit, "", 10, 70, 40, 14},
    {ExchangeHost::kList, ControlKind::ComboList, "", 60, 10, 50, 40, kListItems},
    {ExchangeHost::kRadioFirst, ControlKind::RadioGroupStart, "SI", 60, 30, 30, 10},
    {ExchangeHost::kRadioSecond, ControlKind::Radio, "English", 60, 42, 40, 10},
    {ExchangeHost::kLabel, ControlKind::LabelEdit, "", 60, 56, 20, 14},
    {ExchangeHost::kButton, ControlKind::PushButton, "Go", 60, 72, 40, 14},
};
constexpr DialogTemplate kHostTemplate{"Exchange", 120, 90, true, kControls};

}  // namespace

ExchangeHost::ExchangeHost() {
    const BuiltTemplate built = BuildTemplateControls(*this, kHostTemplate);
    m_controls = built.controls;
    setFixedSize(built.sizePixels);
}

void ExchangeHost::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, kButton, m_button);
    DDX_Text(pDX, kRealA, m_dRealA);
    DDX_Text(pDX, kMonth, m_nMonth);
    DDV_MinMaxInt(pDX, m_nMonth, 1, 12);
    DDX_Text(pDX, kIntB, m_nIntB);
    DDX_Text(pDX, kRealC, m_dRealC);
    DDX_CBIndex(pDX, kList, m_nList);
    DDX_Radio(pDX, kRadioFirst, m_nRadio);
    DDX_Text(pDX, kLabel, m_strLabel);
}

QLineEdit* ExchangeHost::Edit(int nId) const { return qobject_cast<QLineEdit*>(GetDlgItem(nId)); }
QComboBox* ExchangeHost::List() const { return qobject_cast<QComboBox*>(GetDlgItem(kList)); }
QRadioButton* ExchangeHost::Radio(int nId) const { return qobject_cast<QRadioButton*>(GetDlgItem(nId)); }
