#pragma once

#include "core/CompanyHeader.h"
#include "core/MenuDispatch.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class TfLogin;
class TfSobre;

// The main window: the company header, the status bar and the main menu,
// built from MenuDefinition. Its first showing (once, queued from the first
// showEvent so the window is already visible) runs FirstShowing.
//
// Modules plug their windows into the menu with setAction:
//
//     principal.setAction(MenuAction::ManutCli, [&] { manutCli.exec(); });
//
// An item stays disabled until its action is registered; a registered item
// passes the permission gate with its module code before the action runs.
// "Ajuda > Sobre" and "Saída" are registered by the window itself.
class TfPrincipal final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfPrincipal)
public:
    static inline const QString kCaption = QStringLiteral("Velmora Delivery");
    static inline const QString kPanelEmpresa = QStringLiteral("Velmora Informática");

    explicit TfPrincipal(AppContext &ctx, QWidget *parent = nullptr);
    ~TfPrincipal() override;

    // Registers the action of a menu item (ids in MenuAction) and enables it.
    void setAction(const QString &actionId, std::function<void()> action);

    // Replaces the login window (returns false when the login ended the program).
    void setLoginHandler(std::function<bool()> login);
    // What "end the program" does; by default the application quits.
    void setEndProgramHandler(std::function<void()> endProgram);

    // The company window puts its saved values here.
    void setCompanyHeader(const CompanyHeader &header);
    CompanyHeader companyHeader() const;

    // Status panels 0..2: company, user, version.
    QString statusPanel(int index) const;

    // The menu item or title at a caption path; nullptr when none.
    QAction *menuAction(const QStringList &path) const;
    QMenu *menu(const QStringList &path) const;

    // The first-showing work; the first showEvent queues it once.
    void runFirstShowing();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildHeader();
    void buildStatusBar();
    void buildMenu();
    void offerItems(QMenu *menu, bool offered);
    bool showLogin();
    void endProgram();

    AppContext &m_ctx;
    MenuDispatch m_dispatch;
    QHash<QString, QAction *> m_actions; // by the joined caption path
    QHash<QString, QMenu *> m_menus;
    QLabel *m_header[5] = {};
    QLabel *m_panels[3] = {};
    TfSobre *m_sobre = nullptr;
    TfLogin *m_login = nullptr;
    std::function<bool()> m_loginHandler;
    std::function<void()> m_endProgram;
    bool m_firstShowingQueued = false;
};
