/* A work panel that asks for four values and the output device: &Qty
   (int 4, picture ZZZ9), &Price (int 9.2 without a picture), &Name
   (char 20, its prompt a constant) and &Day (date). */
spec_i([scr, 24, 'Asking', 'Ask', 0, 0]).
level_i(1, [0]).
attri_i('&Qty', ['&Qty', int, 4, 0, 'ZZZ9']).
attri_i('&Price', ['&Price', int, 9, 2, '']).
attri_i('&Name', ['&Name', char, 20, 0, '']).
attri_i('&Day', ['&Day', date, 8, 0, '']).
lit_i(1, 1, window, [rect(0,0,199,99), title(['Ask'])]).
lit_i(2, 1, t('&Qty', 23), [rect(10,10,69,29)]).
function_i(1, 1, yes, ask, ask, [], x, '&Qty', ['&Qty']).
function_i(1, 2, yes, ask, ask, [], x, '&Price', ['&Price']).
function_i(1, 3, yes, ask, ask, [t('\'Your name\'', 3)], x, '&Name', ['&Name']).
function_i(1, 4, yes, ask, ask, [], x, '&Day', ['&Day']).
function_i(1, 5, yes, ask, ask, [], x, outdev, [outdev]).
