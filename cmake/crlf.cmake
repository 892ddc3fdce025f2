# cmake -DINPUT=FILE -DOUTPUT=FILE -P crlf.cmake: copies a text file with every line end
# written as CR LF (a line end already CR LF stays one).
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
