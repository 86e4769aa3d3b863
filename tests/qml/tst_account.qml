import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// The first start and the account pages that work before signing in.
ApplicationTestCase {
    name: "Account"

    // The introduction's steps lead to the sign-in page, whose password can be shown.
    function test_introductionWalksToTheSignInPage() {
        firstStart()
        var next = waitFor("nextButton")
        for (var step = 1; step < 5; ++step) {
            click("nextButton")
            tryCompare(findChild(find("introductionPage"), "introSteps"), "currentIndex", step)
        }
        compare(next.text, "Start")
        click("nextButton")
        var password = waitFor("passwordField", waitFor("signInPage"))
        compare(password.echoMode, TextInput.Password)
        click("showPasswordButton", password)
        compare(password.echoMode, TextInput.Normal)
    }

    function test_failedSignInShowsThePortalsText_data() {
        return [
            { tag: "wrong password", password: "not the password", expected: "Incorrect login and/or password. Error 401." },
            { tag: "refused", fault: { mode: "status", status: 403, body: { ErrorMessage: "The account is locked" } },
              password: testSetup.demoPassword, expected: "The account is locked. Error 403." }
        ]
    }
    function test_failedSignInShowsThePortalsText(data) {
        firstStart()
        click("skipButton")
        if (data.fault)
            testSetup.setFault("/api/v2/auth/login", data.fault)
        signIn(data.password)
        tryVerify(function() { return waitFor("signInError").text.indexOf(data.expected) >= 0 }, 20000)
        verify(find("portalPage") === null)
        // The typed values stay for the next try.
        compare(find("loginField").text, testSetup.demoLogin)
    }

    function test_accountRequestsReportTheirOutcome_data() {
        return [
            { tag: "recovery", opener: "forgotPasswordButton", page: "passwordRecoveryPage", button: "sendButton",
              fields: { emailField: "demo@vellix.local" }, status: "recoveryStatus", expected: "Instructions were sent" },
            { tag: "support", opener: "supportButton", page: "supportPage", button: "sendButton",
              fields: { emailField: "demo@vellix.local", subjectField: "Hello", messageField: "It works" },
              status: "supportStatus", expected: "Thank you" },
            { tag: "support refused", opener: "supportButton", page: "supportPage", button: "sendButton",
              fault: "/api/v1/Support/Feedback",
              fields: { emailField: "demo@vellix.local", messageField: "It works" },
              status: "supportStatus", expected: "could not be sent" },
            { tag: "registration", opener: "registerButton", page: "registrationPage", button: "registerButton",
              fields: { emailField: "new.user@vellix.local", passwordField: "secret", firstNameField: "New",
                        surnameField: "User", portalAddressField: testSetup.portalUrl },
              status: "registrationStatus", expected: "The account was created" }
        ]
    }
    function test_accountRequestsReportTheirOutcome(data) {
        firstStart()
        click("skipButton")
        type("portalAddressField", testSetup.portalUrl)
        if (data.fault)
            testSetup.setFault(data.fault, { mode: "status", status: 500 })
        click(data.opener)
        var page = waitFor(data.page)
        for (var name in data.fields)
            waitFor(name, page).text = data.fields[name]
        click(data.button, page)
        tryVerify(function() { return find(data.status, page).text.indexOf(data.expected) >= 0 }, 20000,
                  find(data.status, page).text)
    }
}
