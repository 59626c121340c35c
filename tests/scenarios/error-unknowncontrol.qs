click Fst.Command1
text Fd.Text9
