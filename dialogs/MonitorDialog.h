#pragma once
// The monitor settings dialog ("Add Monitor" / "Edit Monitor"). The main window owns
// one, fills its settings from a record or the new-monitor values, runs it, and copies
// the settings back on OK and when the dialog's Apply sends UM_MONITOR_APPLIED. The
// settings fields are MonitorSettings' own (the keys of a "Box %d" section); the four
// colours live in the colour buttons while the dialog runs.
#include <string>

#include "framework/ColorControls.h"
#include "framework/Handle.h"
#include "framework/SettingsDialog.h"
#include "model/IniFile.h"
#include "ui/BoxPainter.h"
#include "model/MonitorSettings.h"

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

    // Given by the caller.
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
    std::wstring m_strSkinsFolder;

    fw::CColorButton m_btnBoxColorUp, m_btnBoxColorDown, m_btnTextColorUp, m_btnTextColorDown;

    // Pictures and preview (MonitorDlgPictures.cpp).
    void LoadBoxIcons();
    void MeasureUpIcon();
    void MeasureDownIcon();
    void RedrawPreview();
    void DrawPreview(HDC dc);

protected:
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    // Pictures, preview, notification check boxes, tests and the three notification
    // settings (MonitorDlgPictures.cpp); skins (MonitorDlgSkins.cpp). TRUE when handled.
    BOOL OnPictureCommand(WORD id, WORD code);
    BOOL OnSkinCommand(WORD id, WORD code);
    void ChoosePicture(bool up);
    void EmptyPicture(bool up);
    void OnGrayscale();
    void MirrorMaskBits();
    void OnNotificationCheck(int id);
    void OnMsgBoxTest();
    void OnSoundSettings();
    void OnMsgBoxSettings();
    void OnFileSettings();
    void FillSkinList();
    void OnSkinChosen();
    void OnSkinTextChanged();
    void OnAddSkin();
    void OnDeleteSkin();
    void ShowCustomSkin();

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
    void SetPictureFiles(const std::wstring& up, const std::wstring& down);
    void InvalidatePreview();

    std::wstring m_strMsgBoxCount, m_strSoundCount, m_strSkinName;
    int m_bSoundUp = 0, m_bSoundDown = 0, m_bMsgBoxUp = 0, m_bMsgBoxDown = 0, m_bMsgBoxClosed = 0,
        m_bSoundClosed = 0, m_bMsgBoxError = 0, m_bSoundError = 0;

    // The notification check boxes, their mirrors and their bits in Sound or MsgBox.
    struct NotificationCheck {
        int id;
        int CBoxPropertiesDlg::*mirror;
        bool sound;  // the Sound mask, else MsgBox
        UINT bit;
    };
    static const NotificationCheck kNotificationChecks[8];

    // The loaded 64x64 pictures and their working sizes (the preview keeps them fitted).
    fw::CIcon m_hIconUp, m_hIconDown;
    SIZE m_bmUp = {}, m_bmDown = {};
    CBoxFontSet m_boxFonts;  // the preview uses the small layout's
    CIniFile m_SkinIni;
};
