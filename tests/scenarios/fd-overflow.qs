# Coefficients so large that a derived one overflows: "Error", and the boxes stay as they were.
click Fst.Command1
type Fd.Text5 1e400
click Fd.Command4
messages
text Fd.Text3
text Fd.Text4
text Fd.Text5
type Fd.Text5 1
type Fd.Text2 1e308
click Fd.Command1
messages
text Fd.Text3
text Fd.Text4
canvas Fd
type Fd.Text5 0
type Fd.Text3 1e300
click Fd.Command5
messages
text Fd.Text5
text Fd.Text6
text Fd.Text7
