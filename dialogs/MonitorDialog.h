#pragma once
// The monitor settings dialog ("Add Monitor" / "Edit Monitor"). The main window owns
// one, fills its settings from a record or the new-monitor values, runs it, and copies
// the settings back on OK and when the dialog's Apply sends UM_MONITOR_APPLIED. The
// settings fields are MonitorSettings' own (the keys of a "Box %d" section); the four
// colours live in the colour buttons and the pictures in the preview while the dialog
// runs. Its parts, each below it: the preview with its pictures, the skins, the
// notification controls, and the rules that need no window.
#include <string>

#include "dialogs/MonitorDialogNotifications.h"
#include "dialogs/MonitorDialogPreview.h"
#include "dialogs/MonitorDialogSkins.h"
#include "framework/ColorControls.h"
#include "framework/SettingsDialog.h"
#include "model/MonitorSettings.h"
#include "model/SkinFiles.h"

class CBoxPropertiesDlg : public fw::CSettingsDialog, public MonitorSettings {
public:
    explicit CBoxPropertiesDlg(HWND parent = nullptr);

    // The settings a record gives the dialog and takes back (the dialog's keys of the
    // settings table), the colours through the colour buttons.
    void LoadSettings(const MonitorSettings& from);
    void StoreSettings(MonitorSettings& to) const;

    // The address test of OK and Apply (TRUE) or of the File notification's settings
    // (FALSE, other wording); a URL also sets m_strUrlHost and m_nUrlPort.
    bool ValidateAddress(BOOL bFromOkOrApply);

    // Given by the caller. The data folder holds the pictures and skins folders.
    std::wstring m_strDataFolder;
    BOOL m_bDefaultSkin = TRUE;
    BOOL m_bAddMode = TRUE;
    int m_nPreviewWidth = 80, m_nPreviewHeight = 60;
    BOOL CustomSoundError = 0;
    std::wstring CustomSoundPathError;
    BOOL TextSpeechSoundError = 0;
    std::wstring TextSpeechTextError;

    // Set by the dialog, read by the caller.
    std::wstring m_strPicPathUp, m_strPicPathDown;
    std::wstring m_strUrlHost;
    UINT m_nUrlPort = 80;

    fw::CColorButton m_btnBoxColorUp, m_btnBoxColorDown, m_btnTextColorUp, m_btnTextColorDown;

protected:
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    BOOL OnPartCommand(WORD id, WORD code);
    void ApplyMethodLook(UINT method);
    void ShowAddressLabel();
    void OnMethodClicked(UINT method);
    void OnIpVersionClicked(UINT ipVersion);
    void OnNameOrAddressChanged();
    void OnRepeatCountTyped(int editId);
    void OnRepeatSpin(int spinId, const NMUPDOWN& step);
    void OnIntervalSpin(const NMUPDOWN& step);
    void OnOkOrApply(bool ok);
    void OnDefault();
    void ShowFieldsOutsideExchange();
    // The look shown: the colour buttons and the preview's pictures.
    SkinLook ShownLook() const;
    void ShowLook(const SkinLook& look);
    // The preview's picture files into the settings and the paths the caller reads.
    void TakePictureFiles();
    PreviewTexts PreviewTextsNow() const;

    std::wstring m_strMsgBoxCount, m_strSoundCount;
    CMonitorPreview m_preview;
    CMonitorSkins m_skins{*this};
    CMonitorNotifications m_notifications{*this};
};
