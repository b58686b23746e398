#pragma once
// What every window needs of the information browser: opening a help topic.
// The browser's model implements it; the windows that open help topics get a
// reference to this interface, so they depend on it and not on the browser.
#include <QString>

class THjaelp {
public:
    virtual ~THjaelp() = default;
    // Topic `emne` of the structure "Info.txt".
    virtual void Information(const QString& emne) = 0;
    // Topic `emne` of "Enhedsinformation.txt"; without `fokus` the browser is
    // shown only if it is hidden and the focus stays where it is.
    virtual void Enhedsinformation(const QString& emne, bool fokus) = 0;
    // Topic `emne` of the structure `struktur`.
    virtual void HelpInfo(const QString& struktur, const QString& emne) = 0;
};
