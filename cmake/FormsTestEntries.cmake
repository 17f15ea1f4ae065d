# Read by ctest each time it reads the test list: one entry forms.<Class> per screen test class,
# as the built forms_tests lists them (forms_tests --list). Set by the caller: FORMS_TESTS_EXE,
# the binary, and FORMS_TESTS_DIR, the directory the tests run in.
if(NOT EXISTS "${FORMS_TESTS_EXE}")
    # Not built yet: one entry that fails, rather than no screen tests at all.
    add_test(forms.NOT_BUILT forms_tests_NOT_BUILT)
    return()
endif()
execute_process(COMMAND "${FORMS_TESTS_EXE}" --list
    OUTPUT_VARIABLE classes RESULT_VARIABLE status TIMEOUT 30)
if(NOT status EQUAL 0)
    add_test(forms.LIST_FAILED forms_tests_LIST_FAILED)
    return()
endif()
string(REGEX MATCHALL "[^\r\n]+" classes "${classes}")
foreach(class IN LISTS classes)
    # A screen test that hangs fails after a minute instead of holding the run; without the crash
    # handler the program ends at once rather than waiting on a debugger for a stack trace.
    add_test(forms.${class} "${FORMS_TESTS_EXE}" ${class} -nocrashhandler)
    set_tests_properties(forms.${class} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000"
        TIMEOUT 180
        WORKING_DIRECTORY "${FORMS_TESTS_DIR}")
endforeach()
