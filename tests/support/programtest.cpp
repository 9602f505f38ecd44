#include "programtest.h"

#include "app/controller.h"
#include "gui/mainform.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "widgethelpers.h"

#include <QPushButton>
#include <QTest>

namespace tavrisk::testing {

ProgramTest::ProgramTest(AtInit atInit) : m_atInit(atInit) {}

ProgramTest::~ProgramTest() = default;

void ProgramTest::initTestCase()
{
    useProgramStyle();
}

void ProgramTest::init()
{
    // A controller left running would hold the fakes replaced below.
    stopProgram();
    m_fakes = std::make_unique<FakeServices>();
    if (m_atInit == AtInit::Started)
        startProgram();
}

void ProgramTest::cleanup()
{
    stopProgram();
}

void ProgramTest::startProgram()
{
    m_refusals = std::make_unique<FakeRefusals>(m_fakes->messages);
    m_controller = std::make_unique<app::Controller>(m_fakes->services, *m_refusals);
    m_controller->startup();
}

void ProgramTest::stopProgram()
{
    m_controller.reset();
    m_refusals.reset();
    m_fakes.reset();
}

gui::QuestionWindow *ProgramTest::question() const
{
    return m_controller->question();
}

gui::ResultWindow *ProgramTest::result() const
{
    return m_controller->result();
}

gui::ExitWindow *ProgramTest::exitWindow() const
{
    return m_controller->exitWindow();
}

gui::ResultWindow *ProgramTest::showResult()
{
    for (int i = 0; i < 5 && question(); ++i)
        QTest::mouseClick(question()->nextButton(), Qt::LeftButton);
    return result();
}

QStringList ProgramTest::pagesOpened() const
{
    QStringList keys;
    for (const QString &address : m_fakes->opener.opened)
        keys << address.section(QStringLiteral("?page="), 1);
    return keys;
}

gui::MainForm *ProgramTest::mainForm(bool result)
{
    if (!result)
        return question();
    return showResult();
}

gui::ExitWindow *ProgramTest::exitFromQuestion()
{
    QTest::mouseClick(question()->exitButton(), Qt::LeftButton);
    return exitWindow();
}

} // namespace tavrisk::testing
