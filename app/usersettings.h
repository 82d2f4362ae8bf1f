#pragma once

class QSettings;

// The user's own settings (not Config.ini, which belongs to the deployment): the
// interface language, fast reads. One file per user, shared by the window and the tools.
QSettings& voltaroUserSettings();
