# Adds to the package wixl made what wixl cannot build: the dialogs (the tables *.idt beside this
# script, in the text form of Windows Installer's tables), their places in the sequence the
# installer runs with a window, and for Add/Remove Programs the install folder and the size.
# CustomAction.idt: the install folder as a property (type 51), and the finish page's "Start
# Sequate now" (type 210: the installed sequate.exe, started without waiting for it).
#   cmake -DMSI=PACKAGE -DTABLES=FOLDER -P addui.cmake
cmake_minimum_required(VERSION 3.20)
find_program(MSIBUILD msibuild REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)

function(msibuild)
    execute_process(COMMAND ${MSIBUILD} ${MSI} ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "msibuild ${ARGN} failed")
    endif()
endfunction()

file(GLOB tables ${TABLES}/*.idt)
foreach(table ${tables})
    msibuild(-i ${table})
endforeach()

# The welcome page once costing is done and before the installation runs, which the progress
# page shows; the finish page after success (-1) or failure (-3). A package run again, or
# removed, skips the welcome.
foreach(row "'WelcomeDlg', 'NOT Installed', 1230" "'ProgressDlg', '', 1280"
            "'ExitDlg', '', -1" "'FatalErrorDlg', '', -3")
    msibuild(-q "INSERT INTO `InstallUISequence` (`Action`, `Condition`, `Sequence`) VALUES (${row})")
endforeach()

# Once the folders are known.
msibuild(-q "INSERT INTO `InstallExecuteSequence` (`Action`, `Condition`, `Sequence`) VALUES ('SetInstallLocation', '', 1001)")

# In kilobytes, of the files installed with every feature.
execute_process(COMMAND ${MSIINFO} export ${MSI} File OUTPUT_VARIABLE files RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "msiinfo cannot read the File table of ${MSI}")
endif()
string(REPLACE "\r" "" files "${files}")
string(REPLACE "\n" ";" files "${files}")
set(bytes 0)
foreach(row ${files})
    string(REPLACE "\t" ";" row "${row}")
    list(LENGTH row columns)
    if(columns GREATER 3)
        list(GET row 3 size)
        if(size MATCHES "^[0-9]+$")
            math(EXPR bytes "${bytes} + ${size}")
        endif()
    endif()
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
msibuild(-q "INSERT INTO `Property` (`Property`, `Value`) VALUES ('ARPSIZE', '${kilobytes}')")
