// platform/CWinApp.cpp: the application object's registration and services.
#include "platform/CWinApp.h"

namespace {

CWinApp* g_application = nullptr;

std::string ModuleBaseName() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name.erase(0, name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

}  // namespace

CWinApp::CWinApp() : m_appName(ModuleBaseName()) {
    g_application = this;
    m_pszAppName = m_appName.c_str();
}

CWinApp::~CWinApp() {
    g_application = nullptr;
}

HICON CWinApp::LoadIcon(UINT id) const {
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(id));
}

void CWinApp::SetRegistryKey(const char* key) {
    m_registryKey = key;
    m_pszRegistryKey = m_registryKey.c_str();
}

CWinApp* AfxGetApp() {
    return g_application;
}
