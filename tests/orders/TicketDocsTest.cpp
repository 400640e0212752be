#include "core/AppContext.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Session.h"
#include "db/NewDatabase.h"
#include "orders/TicketData.h"
#include "orders/TicketReport.h"
#include "reports/ReportDocument.h"
#include "reports/ui/ReportOutput.h"
#include "reports/ui/ReportPreview.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Remakes the ticket pictures of the documentation from the demonstration
// database: VELMORA_DOCS_DIR=docs test_orders --gtest_filter='TicketDocs.*'
TEST(TicketDocs, DemoTicketPdfAndPreviewScreenshot)
{
    const QString docs = qEnvironmentVariable("VELMORA_DOCS_DIR");
    if (docs.isEmpty())
        GTEST_SKIP() << "set VELMORA_DOCS_DIR to write the documentation pictures";
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/vd.fdb");
    NewDatabase::create(file, NewDatabase::Content::WithDemoData);
    Database db;
    db.open(file, Database::Engine::Embedded);
    const Row empresa = db.select(QStringLiteral("Select EMP_Nome, EMP_Fone From Empresa")).first();

    std::optional<TicketData> t = TicketLoader::load(db, QStringLiteral("00000004"));
    ASSERT_TRUE(t);
    t->empresa = empresa.text(QStringLiteral("EMP_NOME"));
    t->empresaFone = empresa.text(QStringLiteral("EMP_FONE"));
    const QDateTime now(QDate::currentDate(), QTime(17, 50, 0));
    const auto document = TicketReport::document(*t, true, now);
    ASSERT_TRUE(Report::writePdf(docs + QStringLiteral("/ticket-demo.pdf"), *document));

    ScriptedMessages messages;
    ReportPreview preview(document, messages);
    preview.resize(980, 1040);
    preview.show();
    preview.setZoom(ReportPreview::Zoom::WholePage);
    ASSERT_TRUE(preview.grab().save(docs + QStringLiteral("/ticket-preview.png")));
}

} // namespace
