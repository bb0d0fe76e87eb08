@ECHO OFF
REM DOVA: assemble a source file with A51, taking the include files from DINC.
IF "%1"=="" GOTO USAGE
A51 %1 INCDIR(%~dp0DINC)
GOTO END
:USAGE
ECHO DOVA source.a51
:END
